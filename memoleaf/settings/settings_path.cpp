#include "settings_path.h"

#include <cctype>
#include <cstdlib>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vortalis::memoleaf {
namespace {

bool HasDriveLetter(std::string_view folder) {
    return folder.size() >= 2 && std::isalpha(static_cast<unsigned char>(folder[0])) &&
           folder[1] == ':';
}

// "C:\Outils", "C:\" or "\\serveur\partage" rather than "/opt/outils".
bool IsWindowsFolder(std::string_view folder) {
    return HasDriveLetter(folder) || (folder.find('\\') != std::string_view::npos &&
                                      folder.find('/') == std::string_view::npos);
}

std::optional<std::filesystem::path> UserConfigurationFolder(const SettingsPlaces& places) {
    // Relative values are to be ignored, as the XDG rules say.
    if (std::optional<std::string> configHome = places.Environment("XDG_CONFIG_HOME")) {
        if (std::filesystem::path(*configHome).is_absolute()) return *configHome;
    }
    if (std::optional<std::string> home = places.Environment("HOME")) {
        if (std::filesystem::path(*home).is_absolute()) {
            return std::filesystem::path(*home) / ".config";
        }
    }
    return std::nullopt;
}

}  // namespace

std::string BuildSettingsPath(std::string_view folder, std::string_view name) {
    const char separator = IsWindowsFolder(folder) ? '\\' : '/';
    std::string path(folder);
    if (path.empty() || path.back() != separator) path += separator;
    return path + std::string(name) + ".PRM";
}

bool SettingsPlaces::FolderWritable(const std::filesystem::path& folder) const {
#ifdef _WIN32
    return _waccess(folder.c_str(), 2) == 0;
#else
    return ::access(folder.c_str(), W_OK) == 0;
#endif
}

std::optional<std::string> SettingsPlaces::Environment(const char* name) const {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    return std::string(value);
}

std::filesystem::path ChooseSettingsPath(const ProgramLocation& program,
                                         const SettingsPlaces& places) {
    if (!places.FolderWritable(program.folder)) {
        if (std::optional<std::filesystem::path> configuration = UserConfigurationFolder(places)) {
            return BuildSettingsPath((*configuration / program.stem).string(), program.stem);
        }
    }
    return BuildSettingsPath(program.folder.string(), program.stem);
}

}  // namespace vortalis::memoleaf
