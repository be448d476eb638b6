#pragma once

namespace vortalis {

// How this system writes and hides the folders and files the lists show: the
// separator a path is shown with, and whether a file is hidden by an attribute
// (Windows' hidden and system attributes) besides its name.
#ifdef _WIN32
inline constexpr char kFolderSeparator = '\\';
inline constexpr bool kHiddenByAttribute = true;
#else
inline constexpr char kFolderSeparator = '/';
inline constexpr bool kHiddenByAttribute = false;
#endif

}  // namespace vortalis
