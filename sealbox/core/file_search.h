#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "runtime/files/file_system.h"  // IsHiddenName

namespace vortalis::sealbox {

// Whether `name` names an ordinary file: not a folder, not hidden (by its name,
// or on Windows by its hidden or system attribute). The name is taken exactly
// as written; "*" and "?" are ordinary characters, never a pattern.
bool IsOrdinaryFile(const std::filesystem::path& name);

// The folder's path followed by one separator, whether it had one or not; the
// separator added is the system's own ("\" on Windows).
std::string WithTrailingSeparator(std::string folder);

// A folder's path as the folder list shows it: absolute, without "." or "..",
// with the system's separator between its names ("/", or "\" on Windows) and
// none after the last, so that one folder always has one path.
std::string NormalFolderPath(const std::string& folder);

// One folder of the path from the root down to an open folder: the name the
// folder list shows ("/" or "C:\" for the root) and its normal path.
struct FolderStep {
    std::string name;
    std::string path;
};

// The steps from the root down to `folder`, a normal folder path, itself
// included: "/", "home", "marie" for "/home/marie".
std::vector<FolderStep> FolderSteps(const std::string& folder);

}  // namespace vortalis::sealbox
