#pragma once

#include <filesystem>
#include <string>

namespace vortalis {

// Whether `name` names an ordinary file: not a folder, not hidden. The name is
// taken exactly as written; "*" and "?" are ordinary characters, never a pattern.
bool IsOrdinaryFile(const std::filesystem::path& name);

// Whether a folder entry is hidden: on this platform, a name that starts with a dot.
bool IsHiddenName(const std::string& name);

// The folder's path followed by one separator, whether it had one or not.
std::string WithTrailingSeparator(std::string folder);

}  // namespace vortalis
