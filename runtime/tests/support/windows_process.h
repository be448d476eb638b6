#pragma once

// Starts a Windows program from an exact command line, as another program or
// the shell would (no quoting added, nothing split), and tells how it ended and
// what it wrote on standard error.

#include <windows.h>

#include <filesystem>
#include <string>
#include <type_traits>

#include "runtime/tests/support/temporary_folder.h"

namespace vortalis::testing {

struct ProgramResult {
    int exitStatus = -1;  // -1 when it could not be started or did not end in time
    std::string errorOutput;
};

// `commandLine` is narrow (CreateProcessA: the ANSI code page, as the product
// starts a program) or wide (CreateProcessW: any letter, as the shell does).
template <typename Char>
ProgramResult RunCommandLine(const std::basic_string<Char>& commandLine,
                             const std::filesystem::path& errorFile,
                             DWORD timeoutMilliseconds = 60000) {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    // Shared: a process the child started may outlive it with the handle (Wine's
    // first window starts its desktop process so), and the next run reuses the file.
    const HANDLE error = CreateFileW(errorFile.c_str(), GENERIC_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     &inherited, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (error == INVALID_HANDLE_VALUE) return {};
    std::conditional_t<std::is_same_v<Char, char>, STARTUPINFOA, STARTUPINFOW> startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = INVALID_HANDLE_VALUE;
    startup.hStdOutput = error;
    startup.hStdError = error;
    PROCESS_INFORMATION process{};
    std::basic_string<Char> line = commandLine;  // CreateProcess may write into it
    BOOL started = FALSE;
    if constexpr (std::is_same_v<Char, char>) {
        started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                 &startup, &process);
    } else {
        started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                 &startup, &process);
    }
    CloseHandle(error);
    ProgramResult result;
    if (!started) return result;
    CloseHandle(process.hThread);
    DWORD status = 0;
    if (WaitForSingleObject(process.hProcess, timeoutMilliseconds) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(process.hProcess, &status)) {
        result.exitStatus = static_cast<int>(status);
    } else {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hProcess);
    const std::vector<std::uint8_t> bytes = ReadBytes(errorFile);
    result.errorOutput.assign(bytes.begin(), bytes.end());
    return result;
}

// A program's path as the first word of a command line.
inline std::string QuotedProgram(const std::filesystem::path& program) {
    return '"' + program.string() + '"';
}

}  // namespace vortalis::testing
