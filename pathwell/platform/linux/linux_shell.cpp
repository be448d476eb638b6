#include "pathwell/platform/linux/linux_shell.h"

#include <QCoreApplication>
#include <filesystem>

#include "pathwell/platform/linux/desktop_application.h"
#include "pathwell/platform/linux/executable_file.h"
#include "runtime/errors/run_error.h"
#include "runtime/process/detached_start.h"
#include "runtime/process/program_location.h"

namespace vortalis::pathwell {
namespace {

namespace fs = std::filesystem;

// Folders belong to the desktop's own type for them. No program's full path
// can read so, so only folders compare equal to it.
constexpr const char* kExplorerIdentity = "inode/directory";

}  // namespace

std::string LinuxShell::FindAssociatedProgram(const std::string& path) {
    if (path.empty()) return {};
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status)) return {};
    if (fs::is_directory(status)) return Explorer();
    if (IsExecutableFile(status)) {
        return fs::absolute(path, error).lexically_normal().string();
    }
    return DefaultApplicationProgram(path);
}

std::string LinuxShell::Explorer() const { return kExplorerIdentity; }

void LinuxShell::Start(const LaunchCommand& command, WindowStyle /*style*/) {
    std::vector<std::string> arguments;
    if (command.argument) arguments.push_back(*command.argument);
    const std::error_code error = StartDetached(command.program, arguments);
    if (error) throw FileError(error, command.program);
}

// No application for the type: nothing is started. There is deliberately no
// generic opener to fall back on, as it may pick a browser or a mail-cap
// command the user never chose.
void LinuxShell::ShellOpen(const std::string& path) { LaunchDefaultApplication(path); }

// Programs here have no extension to drop: the name is the whole file name.
OwnExecutable LinuxShell::RunningExecutable() {
    const ProgramLocation program = CurrentProgram();
    return {program.folder.string(), program.fileName};
}

void LinuxShell::ProcessPendingMessages() {
    if (QCoreApplication::instance() != nullptr) QCoreApplication::processEvents();
}

}  // namespace vortalis::pathwell
