#include "sealbox/ui/win32/control_colours.h"

#include <string>

#include "runtime/win32/control.h"
#include "runtime/win32/system_colour.h"

namespace vortalis::sealbox::win32_ui {

ControlColours::~ControlColours() {
    if (brush_ != nullptr) DeleteObject(brush_);
}

void ControlColours::Set(std::int32_t back, std::int32_t fore) {
    back_ = back;
    fore_ = fore;
    backPainted_ = win32::PaintColour(back);
    forePainted_ = win32::PaintColour(fore);
    if (brush_ != nullptr) DeleteObject(brush_);
    brush_ = CreateSolidBrush(backPainted_);
}

HBRUSH ControlColours::Prepare(HDC dc) const {
    SetTextColor(dc, forePainted_);
    SetBkColor(dc, backPainted_);
    return brush_;
}

void DrawButton(const DRAWITEMSTRUCT& item, const ControlColours& colours, HFONT font, int dpi) {
    HDC dc = item.hDC;
    RECT face = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &face, colours.Brush());
    DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    const std::wstring caption = win32::WideTextOf(item.hwndItem);
    RECT text = face;
    if (pressed) OffsetRect(&text, 1, 1);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colours.Fore());
    const UINT hidePrefix = (item.itemState & ODS_NOACCEL) != 0 ? DT_HIDEPREFIX : 0;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | hidePrefix);
    SelectObject(dc, oldFont);
    if ((item.itemState & ODS_FOCUS) != 0) {
        const int inset = MulDiv(4, dpi, USER_DEFAULT_SCREEN_DPI);
        RECT focus = face;
        InflateRect(&focus, -inset, -inset);
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace vortalis::sealbox::win32_ui
