// The message box where the Windows API is at hand: no toolkit to load.

#include <windows.h>

#include <string>

#include "runtime/errors/error_report.h"
#include "runtime/text/wide_text.h"

namespace vortalis {

bool DisplayAvailable() { return true; }

bool ShowPlatformMessageBox(std::string_view title, std::string_view text, MessageIcon icon) {
    const UINT style = MB_OK | (icon == MessageIcon::Critical ? MB_ICONHAND : 0);
    return MessageBoxW(nullptr, Widen(text).c_str(), Widen(title).c_str(), style) != 0;
}

}  // namespace vortalis
