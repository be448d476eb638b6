#include "pathwell/platform/windows/windows_shell.h"

// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include "pathwell/core/dialog_buffer.h"
#include "pathwell/platform/windows/windows_command_line.h"
#include "runtime/errors/run_error.h"
#include "runtime/process/program_location.h"

namespace vortalis::pathwell {
namespace {

// The run-time error a failed start is reported as.
int StartErrorNumber(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
            return run_error::kFileNotFound;
        case ERROR_PATH_NOT_FOUND:
            return run_error::kPathNotFound;
        case ERROR_ACCESS_DENIED:
            return run_error::kPermissionDenied;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return run_error::kOutOfMemory;
        default:
            return run_error::kInvalidCall;  // a document, a folder, no program at all
    }
}

}  // namespace

std::string WindowsShell::FindAssociatedProgram(const std::string& path) {
    std::string buffer(512, ' ');
    FindExecutableA(path.c_str(), nullptr, buffer.data());
    return TextBeforeNul(buffer);
}

std::string WindowsShell::Explorer() const { return "C:\\WINDOWS\\EXPLORER.EXE"; }

void WindowsShell::Start(const LaunchCommand& command, WindowStyle style) {
    std::string line = WindowsCommandLineText(command);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(style);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        throw RunError(StartErrorNumber(GetLastError()));
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

void WindowsShell::ShellOpen(const std::string& path) {
    ShellExecuteA(reinterpret_cast<HWND>(form_.Handle()), nullptr, path.c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
}

OwnExecutable WindowsShell::RunningExecutable() {
    const ProgramLocation program = CurrentProgram();
    return {program.folder.string(), program.stem};
}

void WindowsShell::ProcessPendingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace vortalis::pathwell
