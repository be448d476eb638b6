#pragma once

namespace vortalis::sealbox {

// The separator this system shows a path of the lists with, and whether it
// names a drive in either case ("c:\" is "C:\").
#ifdef _WIN32
inline constexpr char kFolderSeparator = '\\';
inline constexpr bool kDriveNamesIgnoreCase = true;
#else
inline constexpr char kFolderSeparator = '/';
inline constexpr bool kDriveNamesIgnoreCase = false;
#endif

}  // namespace vortalis::sealbox
