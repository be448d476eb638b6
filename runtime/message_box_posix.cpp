// The message box on a desktop without the Windows API: Qt's, from a small module
// opened only when a box must be shown, so that a program on its way to success
// never pays for loading the window system.

#include <dlfcn.h>

#include <cstdlib>
#include <string>

#include "error_report.h"
#include "message_box_module.h"
#include "program_location.h"

namespace vortalis {

bool DisplayAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

namespace {

ShowMessageBoxFunction LoadMessageBoxModule() {
    const std::filesystem::path folder = CurrentProgram().folder;
    // Beside the program when built, in the library folder when installed.
    for (const std::filesystem::path& candidate :
         {folder / kMessageBoxModuleFile,
          folder / ".." / "lib" / "vortalis" / kMessageBoxModuleFile}) {
        void* module = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) continue;
        if (void* symbol = dlsym(module, kShowMessageBoxSymbol)) {
            return reinterpret_cast<ShowMessageBoxFunction>(symbol);
        }
    }
    return nullptr;
}

}  // namespace

bool ShowPlatformMessageBox(std::string_view title, std::string_view text, MessageIcon icon) {
    const ShowMessageBoxFunction show = LoadMessageBoxModule();
    if (show == nullptr) return false;
    return show(std::string(title).c_str(), std::string(text).c_str(),
                icon == MessageIcon::Critical ? 1 : 0) == 0;
}

}  // namespace vortalis
