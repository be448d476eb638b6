#pragma once

// Runs one of our programs as a separate process, as a user would, with or
// without a display, and tells how it ended and what it wrote on standard error.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace vortalis::testing {

struct ProgramResult {
    int exitStatus = -1;  // -1 when it did not exit by itself
    std::string errorOutput;
};

class ChildProgram {
  public:
    // Starts `program` with `arguments`, without DISPLAY or WAYLAND_DISPLAY unless
    // `display` names one; standard error goes to `errorFile`.
    ChildProgram(const std::string& program, const std::vector<std::string>& arguments,
                 std::filesystem::path errorFile, const char* display = nullptr)
        : errorFile_(std::move(errorFile)) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, errorFile_.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);

        std::vector<std::string> environment;
        for (char** entry = environ; *entry != nullptr; ++entry) {
            const std::string_view variable(*entry);
            if (!variable.starts_with("DISPLAY=") && !variable.starts_with("WAYLAND_DISPLAY=")) {
                environment.emplace_back(variable);
            }
        }
        if (display != nullptr) environment.push_back(std::string("DISPLAY=") + display);

        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (auto& variable : environment) envp.push_back(variable.data());
        envp.push_back(nullptr);

        if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }

    // Waits until the program stops itself or ends; true when it stopped.
    bool WaitForStop() {
        int status = 0;
        if (pid_ <= 0 || ::waitpid(pid_, &status, WUNTRACED) != pid_) return false;
        if (WIFSTOPPED(status)) return true;
        pid_ = -1;  // it ended on its own
        return false;
    }

    void Kill() {
        if (pid_ > 0) ::kill(pid_, SIGKILL);
    }

    ProgramResult Wait() {
        ProgramResult result;
        if (pid_ > 0) {
            int status = 0;
            ::waitpid(pid_, &status, 0);
            pid_ = -1;
            result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        std::ifstream in(errorFile_);
        std::ostringstream text;
        text << in.rdbuf();
        result.errorOutput = text.str();
        std::filesystem::remove(errorFile_);
        return result;
    }

  private:
    std::filesystem::path errorFile_;
    pid_t pid_ = -1;
};

inline ProgramResult RunProgram(const std::string& program,
                                const std::vector<std::string>& arguments,
                                const std::filesystem::path& errorFile,
                                const char* display = nullptr) {
    return ChildProgram(program, arguments, errorFile, display).Wait();
}

}  // namespace vortalis::testing
