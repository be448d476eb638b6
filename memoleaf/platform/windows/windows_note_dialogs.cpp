#include "memoleaf/core/note_texts.h"
#include "memoleaf/platform/windows/dialog_font.h"
#include "memoleaf/platform/windows/dialog_title.h"
#include "memoleaf/platform/windows/windows_note_services.h"
#include "runtime/text/wide_text.h"
#include "runtime/win32/system_colour.h"
// Last: its ChooseFont macro would rename the service's method declared above.
#include <commdlg.h>
#undef ChooseFont

namespace vortalis::memoleaf {
namespace {

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

std::optional<std::int32_t> WindowsNoteDialogs::ChooseColour(const std::string& title,
                                                             std::int32_t initial) {
    const std::wstring wideTitle = Widen(title);
    CHOOSECOLORW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = note_;
    request.rgbResult = win32::PaintColour(initial);
    request.lpCustColors = customColours_.data();
    request.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ENABLEHOOK;
    request.lCustData = reinterpret_cast<LPARAM>(wideTitle.c_str());
    request.lpfnHook = &SetDialogTitle<CHOOSECOLORW>;
    if (!ChooseColorW(&request)) return std::nullopt;
    return static_cast<std::int32_t>(request.rgbResult & 0x00FFFFFFU);
}

std::optional<FontChoice> WindowsNoteDialogs::ChooseFont(const FontChoice& initial) {
    const std::wstring title = Widen(kFontDialogTitle);
    LOGFONTW font = DialogLogFont(initial, ScreenDpi());
    CHOOSEFONTW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = note_;
    request.lpLogFont = &font;
    // No effects: the note keeps no underline, strike-through or colour.
    request.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_ENABLEHOOK;
    request.lCustData = reinterpret_cast<LPARAM>(title.c_str());
    request.lpfnHook = &SetDialogTitle<CHOOSEFONTW>;
    if (!ChooseFontW(&request)) return std::nullopt;
    return AcceptedFont(font, request.iPointSize);
}

}  // namespace vortalis::memoleaf
