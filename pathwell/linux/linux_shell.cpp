#include "linux_shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QMimeDatabase>
#include <QUrl>
#include <filesystem>

#include "default_application.h"
#include "detached_start.h"
#include "executable_file.h"
#include "program_location.h"
#include "run_error.h"

namespace vortalis::pathwell {
namespace {

namespace fs = std::filesystem;

// Folders belong to the desktop's own type for them. No program's full path
// can read so, so only folders compare equal to it.
constexpr const char* kExplorerIdentity = "inode/directory";

// The file's type and the types it is a kind of, most specific first.
std::vector<std::string> MimeTypesOf(const std::string& path) {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QFile::decodeName(path.c_str()));
    std::vector<std::string> names{type.name().toStdString()};
    for (const QString& ancestor : type.allAncestors()) names.push_back(ancestor.toStdString());
    return names;
}

}  // namespace

LinuxShell::LinuxShell(DesktopDirectories directories) : directories_(std::move(directories)) {}

std::string LinuxShell::FindAssociatedProgram(const std::string& path) {
    if (path.empty()) return {};
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status)) return {};
    if (fs::is_directory(status)) return Explorer();
    if (IsExecutableFile(status)) {
        return fs::absolute(path, error).lexically_normal().string();
    }
    return DefaultProgramFor(MimeTypesOf(path), directories_);
}

std::string LinuxShell::Explorer() const { return kExplorerIdentity; }

void LinuxShell::Start(const LaunchCommand& command, WindowStyle /*style*/) {
    std::vector<std::string> arguments;
    if (command.argument) arguments.push_back(*command.argument);
    const std::error_code error = StartDetached(command.program, arguments);
    if (error) throw FileError(error, command.program);
}

void LinuxShell::ShellOpen(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(path.c_str())));
}

// Programs here have no extension to drop: the name is the whole file name.
OwnExecutable LinuxShell::RunningExecutable() {
    const ProgramLocation program = CurrentProgram();
    return {program.folder.string(), program.fileName};
}

void LinuxShell::ProcessPendingMessages() {
    if (QCoreApplication::instance() != nullptr) QCoreApplication::processEvents();
}

}  // namespace vortalis::pathwell
