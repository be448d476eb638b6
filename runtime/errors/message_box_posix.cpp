// The message box on a desktop without the Windows API: Qt's, from a small module
// opened only when a box must be shown, so that a program on its way to success
// never pays for loading the window system.

#include <cstdlib>
#include <string>

#include "runtime/errors/error_report.h"
#include "runtime/errors/message_box_module.h"
#include "runtime/process/companion_module.h"

namespace vortalis {

bool DisplayAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

bool ShowPlatformMessageBox(std::string_view title, std::string_view text, MessageIcon icon) {
    const auto show = reinterpret_cast<ShowMessageBoxFunction>(
        CompanionFunction(kMessageBoxModule, kShowMessageBoxSymbol));
    if (show == nullptr) return false;
    return show(std::string(title).c_str(), std::string(text).c_str(),
                icon == MessageIcon::Critical ? 1 : 0) == 0;
}

}  // namespace vortalis
