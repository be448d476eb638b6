#pragma once

#include <memory>

#include "pathwell/core/form_window.h"
#include "pathwell/core/path_dialogs.h"
#include "pathwell/core/shell_platform.h"

namespace vortalis::pathwell {

// The shell and the dialogs of the system Pathwell runs on, chosen at build
// time by which of desktop_services_posix.cpp and _windows.cpp is linked.
class DesktopServices {
  public:
    virtual ~DesktopServices() = default;
    virtual PathDialogs& Dialogs() = 0;
    virtual ShellPlatform& Shell() = 0;
};

// `window` is the hidden form that owns what the shell opens; it outlives the services.
std::unique_ptr<DesktopServices> MakeDesktopServices(FormWindow& window);

}  // namespace vortalis::pathwell
