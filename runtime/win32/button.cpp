#include "runtime/win32/button.h"

#include "runtime/win32/dpi.h"
#include "runtime/win32/focus_stop.h"
#include "runtime/win32/system_colour.h"

namespace vortalis::win32 {
namespace {

constexpr std::int32_t kButtonFace = SystemColourValue(COLOR_BTNFACE);
constexpr std::int32_t kButtonText = SystemColourValue(COLOR_BTNTEXT);

}  // namespace

void Button::Create(Window& parent, const std::string& caption) {
    Control::Create(parent, L"BUTTON", caption, BS_OWNERDRAW | kFocusStop);
    SetColours(kButtonFace, kButtonText);
}

bool Button::OnCommand(int notification) {
    if (notification != BN_CLICKED) return false;
    if (onClick) onClick();
    return true;
}

bool Button::OnDrawItem(const DRAWITEMSTRUCT& item) {
    // Raised or pressed, on its background, its caption's "&" letter underlined.
    const ControlColours& colours = *Colours();
    HDC dc = item.hDC;
    RECT face = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &face, colours.Brush());
    DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    const std::wstring caption = WideTextOf(item.hwndItem);
    RECT text = face;
    if (pressed) OffsetRect(&text, 1, 1);
    HGDIOBJ oldFont = SelectObject(dc, Font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colours.Fore());
    const UINT hidePrefix = (item.itemState & ODS_NOACCEL) != 0 ? DT_HIDEPREFIX : 0;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | hidePrefix);
    SelectObject(dc, oldFont);
    if ((item.itemState & ODS_FOCUS) != 0) {
        const int inset = MulDiv(4, WindowDpi(item.hwndItem), USER_DEFAULT_SCREEN_DPI);
        RECT focus = face;
        InflateRect(&focus, -inset, -inset);
        DrawFocusRect(dc, &focus);
    }
    return true;
}

}  // namespace vortalis::win32
