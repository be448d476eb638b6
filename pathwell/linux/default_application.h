#pragma once

#include <string>
#include <vector>

#include "desktop_directories.h"

namespace vortalis::pathwell {

// The full path of the program the desktop opens a file with, for the first of
// `mimeTypes` (most specific first) that has one: the defaults of the
// mimeapps.list files, then the mimeinfo.cache files, as xdg-mime reads them.
// A listed application that is not installed, or whose program is missing, is
// passed over. Empty when there is none.
std::string DefaultProgramFor(const std::vector<std::string>& mimeTypes,
                              const DesktopDirectories& directories);

}  // namespace vortalis::pathwell
