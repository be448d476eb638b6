#include "memoleaf/platform/windows/windows_note_services.h"
#include "runtime/text/wide_text.h"

namespace vortalis::memoleaf {
namespace {

int CALLBACK TakeFirstFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM first) {
    // "@Name" is the same family set on its side for vertical writing.
    if (font->lfFaceName[0] == L'@') return 1;
    *reinterpret_cast<std::wstring*>(first) = font->lfFaceName;
    return 0;
}

}  // namespace

std::string WindowsScreenFonts::FirstScreenFont() const {
    LOGFONTW every{};
    every.lfCharSet = DEFAULT_CHARSET;
    std::wstring first;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &every, &TakeFirstFamily, reinterpret_cast<LPARAM>(&first), 0);
    ReleaseDC(nullptr, screen);
    return Narrow(first);
}

}  // namespace vortalis::memoleaf
