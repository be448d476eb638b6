#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vortalis {

// What deciding where a user's files are asks of the system; tests answer it.
class UserPlaces {
  public:
    virtual ~UserPlaces() = default;
    virtual bool FolderWritable(const std::filesystem::path& folder) const;
    // A folder whose entries can be listed.
    virtual bool FolderReadable(const std::filesystem::path& folder) const;
    // Nothing for a variable unset or empty; UTF-8 on every system.
    virtual std::optional<std::string> Environment(const char* name) const;
    virtual std::filesystem::path CurrentFolder() const;
    // The user's Documents folder where the system names one (Windows).
    virtual std::optional<std::filesystem::path> DocumentsFolder() const;
};

// The folder an environment variable names, if it names one by an absolute
// path: the XDG rules ignore relative ones.
std::optional<std::filesystem::path> FolderNamedBy(const UserPlaces& places, const char* variable);

// A folder of the XDG layout: the one `variable` names, else `underHome` in the
// home folder ("XDG_CONFIG_HOME", ".config").
std::optional<std::filesystem::path> XdgFolder(const UserPlaces& places, const char* variable,
                                               const char* underHome);

// The folder where programs keep what they must find again after a crash:
// $XDG_STATE_HOME, else ~/.local/state; %LOCALAPPDATA% on Windows.
std::optional<std::filesystem::path> UserStateFolder(const UserPlaces& places);

// The folder where programs keep the user's settings: $XDG_CONFIG_HOME, else
// ~/.config; %APPDATA% on Windows.
std::optional<std::filesystem::path> UserConfigFolder(const UserPlaces& places);

// Whether `folder` lies in one of the system's own folders, where installed
// programs are: /usr, /opt, /lib, /bin, /sbin; on Windows %ProgramFiles%,
// %ProgramFiles(x86)% and %SystemRoot%.
bool InSystemFolder(const std::filesystem::path& folder, const UserPlaces& places);

// Whether the program's folder is the product's own folder, where the product's
// files are (a build folder, an unpacked copy): a folder outside the system's
// own that the user may write. Otherwise the program is installed, and the
// user's files lie elsewhere.
bool IsProductFolder(const std::filesystem::path& programFolder, const UserPlaces& places);

// Where an installed program looks for the user's files: the Documents folder
// where the system names one, else the home folder; without a readable one,
// the current folder; that too unreadable, the root folder.
std::filesystem::path UserStartFolder(const UserPlaces& places);

}  // namespace vortalis
