#pragma once

#include <optional>
#include <string>

namespace vortalis::memoleaf {

// Why a font name cannot be kept in the settings file so that it reads back as
// it was (a French sentence), or nothing when it can.
std::optional<std::string> FontNameProblem(const std::string& utf8Name);

// The name as field 5 of the file holds it: Windows-1252, and in double quotes
// only where the bare name would not read back (a comma, blanks at either end, a
// leading quote). Throws RunError when FontNameProblem has something to say.
std::string StoredFontName(const std::string& utf8Name);

}  // namespace vortalis::memoleaf
