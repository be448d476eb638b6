#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "pathwell/core/shell_platform.h"
#include "runtime/errors/run_error.h"

namespace vortalis::pathwell::testing {

// A shell whose associations and startable programs a test sets, and which
// records every call in the order it came.
class FakeShell : public ShellPlatform {
  public:
    struct Started {
        LaunchCommand command;
        WindowStyle style;
        bool operator==(const Started&) const = default;
    };

    std::map<std::string, std::string> associations;  // path -> program; missing: none
    std::set<std::string> startable;                  // programs that start
    std::string explorer = "C:\\WINDOWS\\EXPLORER.EXE";
    OwnExecutable own{"C:\\Outils VORTALIS", "Pathwell"};
    bool relaunchFails = false;

    std::vector<std::string> calls;  // "find", "start", "shell", "messages"
    std::vector<Started> started;
    std::vector<std::string> shellOpened;

    std::string FindAssociatedProgram(const std::string& path) override {
        calls.push_back("find");
        const auto found = associations.find(path);
        return found == associations.end() ? std::string() : found->second;
    }
    std::string Explorer() const override { return explorer; }
    void Start(const LaunchCommand& command, WindowStyle style) override {
        calls.push_back("start");
        const bool relaunch = command.argument.has_value();
        if ((relaunch && relaunchFails) || (!relaunch && !startable.contains(command.program))) {
            throw RunError(run_error::kFileNotFound);
        }
        started.push_back({command, style});
    }
    void ShellOpen(const std::string& path) override {
        calls.push_back("shell");
        shellOpened.push_back(path);
    }
    OwnExecutable RunningExecutable() override { return own; }
    void ProcessPendingMessages() override { calls.push_back("messages"); }
};

}  // namespace vortalis::pathwell::testing
