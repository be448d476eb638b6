#pragma once

#include <string>

namespace vortalis::pathwell {

// The desktop's default application for a file's type, as GIO reads it from
// the mimeapps.list files and the installed desktop entries.

// The full path of the program that application runs, or empty when the
// file's type has none (or the file does not exist).
std::string DefaultApplicationProgram(const std::string& path);

// Starts the default application on the file, in a session of its own, and
// does not wait for it. False when there is none or it could not be started.
bool LaunchDefaultApplication(const std::string& path);

}  // namespace vortalis::pathwell
