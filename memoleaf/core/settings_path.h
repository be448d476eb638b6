#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/files/user_places.h"
#include "runtime/process/program_location.h"

namespace vortalis::memoleaf {

// The settings file beside the executable: its folder, a separator unless the
// folder already ends with one (a root), the executable's name and ".PRM". A
// Windows folder ("C:\Outils", "C:\") takes "\", any other the platform's "/".
std::string BuildSettingsPath(std::string_view folder, std::string_view name);

// Beside the executable when its folder is the product's own (IsProductFolder);
// otherwise (an installed program) in the user's configuration folder,
// $XDG_CONFIG_HOME or ~/.config, in a folder named after the program. The same
// rule at every start finds the file written at the last one.
std::filesystem::path ChooseSettingsPath(const ProgramLocation& program, const UserPlaces& places);

}  // namespace vortalis::memoleaf
