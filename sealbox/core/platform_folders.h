#pragma once

namespace vortalis::sealbox {

// The separator this system shows a path of the lists with.
#ifdef _WIN32
inline constexpr char kFolderSeparator = '\\';
#else
inline constexpr char kFolderSeparator = '/';
#endif

}  // namespace vortalis::sealbox
