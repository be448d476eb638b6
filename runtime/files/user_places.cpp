#include "runtime/files/user_places.h"

#include <cstdlib>

namespace vortalis {
bool UserPlaces::FolderReadable(const std::filesystem::path& folder) const {
    std::error_code error;
    std::filesystem::directory_iterator listing(folder, error);
    return !error;
}

std::optional<std::string> UserPlaces::Environment(const char* name) const {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    return std::string(value);
}

std::filesystem::path UserPlaces::CurrentFolder() const {
    std::error_code error;
    return std::filesystem::current_path(error);
}

std::optional<std::filesystem::path> FolderNamedBy(const UserPlaces& places, const char* variable) {
    const std::optional<std::string> value = places.Environment(variable);
    if (!value) return std::nullopt;
    std::filesystem::path folder(*value);
    if (!folder.is_absolute()) return std::nullopt;
    return folder;
}

std::optional<std::filesystem::path> XdgFolder(const UserPlaces& places, const char* variable,
                                               const char* underHome) {
    if (auto folder = FolderNamedBy(places, variable)) return folder;
    if (const auto home = FolderNamedBy(places, "HOME")) return *home / underHome;
    return std::nullopt;
}

bool IsProductFolder(const std::filesystem::path& programFolder, const UserPlaces& places) {
    return !InSystemFolder(programFolder) && places.FolderWritable(programFolder);
}

std::filesystem::path UserStartFolder(const UserPlaces& places) {
    for (const char* variable : {"HOME", "USERPROFILE"}) {
        const std::optional<std::string> home = places.Environment(variable);
        if (home && places.FolderReadable(*home)) return *home;
    }
    const std::filesystem::path current = places.CurrentFolder();
    if (!current.empty() && places.FolderReadable(current)) return current;
    return std::filesystem::path(current.empty() ? "/" : current.root_path());
}

}  // namespace vortalis
