#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "program_location.h"

namespace vortalis::memoleaf {

// The settings file beside the executable: its folder, a separator unless the
// folder already ends with one (a root), the executable's name and ".PRM". A
// Windows folder ("C:\Outils", "C:\") takes "\", any other the platform's "/".
std::string BuildSettingsPath(std::string_view folder, std::string_view name);

// What choosing the settings file's place asks of the system.
class SettingsPlaces {
  public:
    virtual ~SettingsPlaces() = default;
    virtual bool FolderWritable(const std::filesystem::path& folder) const;
    virtual std::optional<std::string> Environment(const char* name) const;
};

// Beside the executable when its folder can be written; otherwise (a program
// installed in a system folder) in the user's configuration folder,
// $XDG_CONFIG_HOME or ~/.config, in a folder named after the program. The same
// rule at every start finds the file written at the last one.
std::filesystem::path ChooseSettingsPath(const ProgramLocation& program,
                                         const SettingsPlaces& places);

}  // namespace vortalis::memoleaf
