#include "memoleaf/platform/windows/dialog_font.h"

#include <cmath>
#include <cwchar>
#include <string>

#include "runtime/text/wide_text.h"

namespace vortalis::memoleaf {

LOGFONTW DialogLogFont(const FontChoice& font, int dpi) {
    LOGFONTW logFont{};
    // A negative height asks for the character's size, not the cell's: the
    // size in points that the dialog shows.
    logFont.lfHeight = -static_cast<LONG>(std::lround(font.size * dpi / 72.0));
    logFont.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = font.italic ? TRUE : FALSE;
    logFont.lfCharSet = DEFAULT_CHARSET;
    const std::wstring face = Widen(font.name);
    wcsncpy(logFont.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    return logFont;
}

FontChoice AcceptedFont(const LOGFONTW& chosen, int tenthsOfAPoint) {
    const std::size_t length = wcsnlen(chosen.lfFaceName, LF_FACESIZE);
    return {Narrow(std::wstring_view(chosen.lfFaceName, length)), tenthsOfAPoint / 10.0,
            chosen.lfWeight >= FW_SEMIBOLD, chosen.lfItalic != 0};
}

}  // namespace vortalis::memoleaf
