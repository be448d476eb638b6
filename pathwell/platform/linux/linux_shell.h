#pragma once

#include "pathwell/core/shell_platform.h"

namespace vortalis::pathwell {

// The desktop shell on Linux. Folders are associated with the explorer
// identity below, programs with themselves, documents with the desktop's
// default application for their type. Window styles have no meaning here:
// each started program places its own windows.
class LinuxShell : public ShellPlatform {
  public:
    std::string FindAssociatedProgram(const std::string& path) override;
    std::string Explorer() const override;
    void Start(const LaunchCommand& command, WindowStyle style) override;
    void ShellOpen(const std::string& path) override;
    OwnExecutable RunningExecutable() override;
    void ProcessPendingMessages() override;
};

}  // namespace vortalis::pathwell
