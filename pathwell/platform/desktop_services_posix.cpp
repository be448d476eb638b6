#include "pathwell/platform/desktop_services.h"
#include "pathwell/platform/linux/linux_shell.h"
#include "pathwell/platform/qt/qt_path_dialogs.h"

namespace vortalis::pathwell {
namespace {

// Documents opened as the desktop opens them; the dialogs are Qt windows.
class PosixDesktopServices final : public DesktopServices {
  public:
    PathDialogs& Dialogs() override { return dialogs_; }
    ShellPlatform& Shell() override { return shell_; }

  private:
    QtPathDialogs dialogs_;
    LinuxShell shell_;
};

}  // namespace

std::unique_ptr<DesktopServices> MakeDesktopServices(FormWindow& /*window*/) {
    return std::make_unique<PosixDesktopServices>();
}

}  // namespace vortalis::pathwell
