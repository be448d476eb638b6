#include "pathwell/platform/desktop_services.h"
#include "pathwell/platform/windows/windows_path_dialogs.h"
#include "pathwell/platform/windows/windows_shell.h"

namespace vortalis::pathwell {
namespace {

// The system's own dialogs; the shell's windows are owned by the form.
class WindowsDesktopServices final : public DesktopServices {
  public:
    explicit WindowsDesktopServices(FormWindow& window) : shell_(window) {}
    PathDialogs& Dialogs() override { return dialogs_; }
    ShellPlatform& Shell() override { return shell_; }

  private:
    WindowsPathDialogs dialogs_;
    WindowsShell shell_;
};

}  // namespace

std::unique_ptr<DesktopServices> MakeDesktopServices(FormWindow& window) {
    return std::make_unique<WindowsDesktopServices>(window);
}

}  // namespace vortalis::pathwell
