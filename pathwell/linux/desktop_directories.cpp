#include "desktop_directories.h"

#include <cstdlib>

namespace vortalis::pathwell {
namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// Relative entries are ignored, as the rules require.
void AddFolders(std::vector<std::filesystem::path>& folders, const std::string& list) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t colon = list.find(':', start);
        const std::filesystem::path folder = list.substr(start, colon - start);
        if (folder.is_absolute()) folders.push_back(folder);
        if (colon == std::string::npos) return;
        start = colon + 1;
    }
}

void AddHomeAndSystemFolders(std::vector<std::filesystem::path>& folders, const char* homeName,
                             const std::string& homeDefault, const char* systemName,
                             const char* systemDefault) {
    const std::string home = Variable(homeName);
    AddFolders(folders, home.empty() ? homeDefault : home);
    const std::string system = Variable(systemName);
    AddFolders(folders, system.empty() ? systemDefault : system);
}

}  // namespace

DesktopDirectories DesktopDirectories::FromEnvironment() {
    const std::string home = Variable("HOME");
    DesktopDirectories directories;
    AddHomeAndSystemFolders(directories.config, "XDG_CONFIG_HOME", home + "/.config",
                            "XDG_CONFIG_DIRS", "/etc/xdg");
    AddHomeAndSystemFolders(directories.data, "XDG_DATA_HOME", home + "/.local/share",
                            "XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    directories.searchPath = Variable("PATH");
    return directories;
}

}  // namespace vortalis::pathwell
