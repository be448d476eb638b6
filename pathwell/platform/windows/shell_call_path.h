#pragma once

#include <string>

namespace vortalis::pathwell {

// The form of `path` (UTF-8) that the shell's calls take, in UTF-16. The calls
// Pathwell makes (FindExecutableW, CreateProcessW's program, ShellExecuteW, the
// chooser's first folder) refuse a path of MAX_PATH characters or more, even
// in a program that declares itself long-path aware. Such a path is given in
// its short (8.3) form when the system has one under MAX_PATH; any other path
// is given as it is.
std::wstring ShellCallPath(const std::string& path);

}  // namespace vortalis::pathwell
