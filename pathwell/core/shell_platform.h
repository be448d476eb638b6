#pragma once

#include <optional>
#include <string>

namespace vortalis::pathwell {

// How a started program's window first appears (the Windows show commands).
enum class WindowStyle : int {
    kNormalWithFocus = 1,
    kMinimizedWithFocus = 2,
};

// A program to start and, for the relaunch, the one argument text it gets.
// Kept apart rather than as one text so that no platform has to cut a command
// line at a blank that may belong to a folder name.
struct LaunchCommand {
    std::string program;
    std::optional<std::string> argument;

    bool operator==(const LaunchCommand&) const = default;
};

// The running Pathwell: its folder and its file name without extension.
struct OwnExecutable {
    std::string folder;
    std::string name;
};

// What opening a path needs from the desktop shell. Paths are UTF-8 on every
// system, as the dialogs return them, so that any file name can be opened.
class ShellPlatform {
  public:
    virtual ~ShellPlatform() = default;

    // The full path of the program the shell opens `path` with, or empty
    // when there is none (or the path does not exist).
    virtual std::string FindAssociatedProgram(const std::string& path) = 0;
    // The program the association query reports for a folder.
    virtual std::string Explorer() const = 0;
    // Starts the command and does not wait for it; throws RunError when it
    // cannot be started (a missing file, a document, a folder).
    virtual void Start(const LaunchCommand& command, WindowStyle style) = 0;
    // Opens `path` with its associated program; reports nothing.
    virtual void ShellOpen(const std::string& path) = 0;
    virtual OwnExecutable RunningExecutable() = 0;
    // Lets the window system handle what is pending, once.
    virtual void ProcessPendingMessages() = 0;
};

}  // namespace vortalis::pathwell
