#pragma once

#include "pathwell/core/form_window.h"
#include "pathwell/core/shell_platform.h"

namespace vortalis::pathwell {

// The Windows shell: FindExecutableW for the association, CreateProcessW with
// the window style, ShellExecuteW owned by the form. Paths are UTF-8 here and
// UTF-16 at the system's calls, in the form those calls take (ShellCallPath).
class WindowsShell : public ShellPlatform {
  public:
    explicit WindowsShell(FormWindow& form) : form_(form) {}

    std::string FindAssociatedProgram(const std::string& path) override;
    std::string Explorer() const override;
    void Start(const LaunchCommand& command, WindowStyle style) override;
    void ShellOpen(const std::string& path) override;
    OwnExecutable RunningExecutable() override;
    void ProcessPendingMessages() override;

  private:
    FormWindow& form_;
};

}  // namespace vortalis::pathwell
