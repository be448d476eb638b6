#include "runtime/files/user_places.h"

#include "runtime/text/utf8_path.h"

namespace vortalis {

bool UserPlaces::FolderReadable(const std::filesystem::path& folder) const {
    std::error_code error;
    std::filesystem::directory_iterator listing(folder, error);
    return !error;
}

std::filesystem::path UserPlaces::CurrentFolder() const {
    std::error_code error;
    return std::filesystem::current_path(error);
}

std::optional<std::filesystem::path> FolderNamedBy(const UserPlaces& places, const char* variable) {
    const std::optional<std::string> value = places.Environment(variable);
    if (!value) return std::nullopt;
    std::filesystem::path folder = Utf8Path(*value);
    if (!folder.is_absolute()) return std::nullopt;
    return folder;
}

std::optional<std::filesystem::path> XdgFolder(const UserPlaces& places, const char* variable,
                                               const char* underHome) {
    if (auto folder = FolderNamedBy(places, variable)) return folder;
    if (const auto home = FolderNamedBy(places, "HOME")) return *home / Utf8Path(underHome);
    return std::nullopt;
}

bool IsProductFolder(const std::filesystem::path& programFolder, const UserPlaces& places) {
    return !InSystemFolder(programFolder, places) && places.FolderWritable(programFolder);
}

std::filesystem::path UserStartFolder(const UserPlaces& places) {
    if (const auto documents = places.DocumentsFolder();
        documents && places.FolderReadable(*documents)) {
        return *documents;
    }
    for (const char* variable : {"HOME", "USERPROFILE"}) {
        const std::optional<std::string> home = places.Environment(variable);
        if (home && places.FolderReadable(Utf8Path(*home))) return Utf8Path(*home);
    }
    const std::filesystem::path current = places.CurrentFolder();
    if (!current.empty() && places.FolderReadable(current)) return current;
    return std::filesystem::path(current.empty() ? "/" : current.root_path());
}

}  // namespace vortalis
