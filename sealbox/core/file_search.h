#pragma once

#include <filesystem>
#include <string>

#include "runtime/files/file_system.h"  // IsHiddenName

namespace vortalis {

// Whether `name` names an ordinary file: not a folder, not hidden. The name is
// taken exactly as written; "*" and "?" are ordinary characters, never a pattern.
bool IsOrdinaryFile(const std::filesystem::path& name);

// The folder's path followed by one separator, whether it had one or not.
std::string WithTrailingSeparator(std::string folder);

// A folder's path as the folder list shows it: absolute, without "." or "..",
// with "/" between its names and no separator after the last, so that one
// folder always has one path.
std::string NormalFolderPath(const std::string& folder);

}  // namespace vortalis
