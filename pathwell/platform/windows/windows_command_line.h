#pragma once

#include <string>

#include "pathwell/core/shell_platform.h"

namespace vortalis::pathwell {

// The command-line text Windows starts `command` from. The program goes in
// double quotes, so that a folder with blanks in its name can never be read as
// a shorter program name followed by arguments; the argument follows one blank,
// unquoted, since the new Pathwell takes its whole argument text as the folder.
std::string WindowsCommandLineText(const LaunchCommand& command);

// The same line as CreateProcessW takes it, in UTF-16.
std::wstring WideCommandLine(const LaunchCommand& command);

}  // namespace vortalis::pathwell
