#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vortalis::pathwell {

// Where the desktop keeps its settings and its data, most important first, as
// the XDG base directory rules name them.
struct DesktopDirectories {
    std::vector<std::filesystem::path> config;  // $XDG_CONFIG_HOME, then $XDG_CONFIG_DIRS
    std::vector<std::filesystem::path> data;    // $XDG_DATA_HOME, then $XDG_DATA_DIRS
    std::string searchPath;                     // $PATH, where programs named bare are found

    static DesktopDirectories FromEnvironment();
};

}  // namespace vortalis::pathwell
