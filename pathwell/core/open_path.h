#pragma once

#include <string>

#include "pathwell/core/shell_platform.h"

namespace vortalis::pathwell {

// `OpenPath` — opens a picked path: a folder (its associated program is the explorer) in a
// new Pathwell, minimized; anything else started as a program, or failing
// that, opened by the shell. Shows nothing; only a failure to start the new
// Pathwell escapes, as RunError.
void OpenPath(const std::string& path, ShellPlatform& platform);

// The new Pathwell on `folder`: this program, with the folder as its argument.
LaunchCommand RelaunchCommand(const OwnExecutable& own, const std::string& folder);

}  // namespace vortalis::pathwell
