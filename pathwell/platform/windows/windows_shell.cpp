#include "pathwell/platform/windows/windows_shell.h"

// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include "pathwell/platform/windows/shell_call_path.h"
#include "pathwell/platform/windows/wide_dialog_text.h"
#include "pathwell/platform/windows/windows_command_line.h"
#include "runtime/errors/run_error.h"
#include "runtime/process/program_location.h"
#include "runtime/text/utf8_path.h"
#include "runtime/text/wide_text.h"

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

// FindExecutableW takes no size for its answer: it assumes MAX_PATH characters.
// The one path buffer whose size the system fixes.
constexpr std::size_t kAssociationBufferSize = 512;

}  // namespace

std::string WindowsShell::FindAssociatedProgram(const std::string& path) {
    std::wstring buffer(kAssociationBufferSize, L' ');
    FindExecutableW(ShellCallPath(path).c_str(), nullptr, buffer.data());
    return WideTextBeforeNul(buffer);
}

std::string WindowsShell::Explorer() const { return "C:\\WINDOWS\\EXPLORER.EXE"; }

void WindowsShell::Start(const LaunchCommand& command, WindowStyle style) {
    // Only the program is shortened: the relaunch's folder goes to the new
    // Pathwell as the user named it.
    const LaunchCommand started{Narrow(ShellCallPath(command.program)), command.argument};
    std::wstring line = WideCommandLine(started);  // CreateProcessW may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(style);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        throw RunError(StartErrorNumber(GetLastError()));
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

void WindowsShell::ShellOpen(const std::string& path) {
    ShellExecuteW(reinterpret_cast<HWND>(form_.Handle()), nullptr, ShellCallPath(path).c_str(),
                  nullptr, nullptr, SW_SHOWNORMAL);
}

OwnExecutable WindowsShell::RunningExecutable() {
    // Not CurrentProgram's narrow names: they are in the ANSI code page here.
    const std::filesystem::path program = ExecutablePath();
    return {Utf8Text(program.parent_path()), Utf8Text(program.stem())};
}

void WindowsShell::ProcessPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace vortalis::pathwell
