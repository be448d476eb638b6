#pragma once

namespace vortalis::pathwell {

// How this platform writes a path to a program: the separator between a folder
// and a name, and what follows a program's name.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
inline constexpr const char* kExecutableSuffix = ".EXE";
#else
inline constexpr char kPathSeparator = '/';
inline constexpr const char* kExecutableSuffix = "";
#endif

}  // namespace vortalis::pathwell
