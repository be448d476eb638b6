#include <unistd.h>

#include <array>
#include <cstdlib>
#include <string_view>

#include "runtime/files/user_places.h"

namespace vortalis {

bool UserPlaces::FolderWritable(const std::filesystem::path& folder) const {
    return ::access(folder.c_str(), W_OK) == 0;
}

std::optional<std::string> UserPlaces::Environment(const char* name) const {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    return std::string(value);
}

std::optional<std::filesystem::path> UserPlaces::DocumentsFolder() const { return std::nullopt; }

std::optional<std::filesystem::path> UserStateFolder(const UserPlaces& places) {
    return XdgFolder(places, "XDG_STATE_HOME", ".local/state");
}

std::optional<std::filesystem::path> UserConfigFolder(const UserPlaces& places) {
    return XdgFolder(places, "XDG_CONFIG_HOME", ".config");
}

bool InSystemFolder(const std::filesystem::path& folder, const UserPlaces& /*places*/) {
    constexpr std::array<std::string_view, 5> kSystemFolders = {"usr", "opt", "lib", "bin", "sbin"};
    const std::filesystem::path normal = folder.lexically_normal();
    auto part = normal.begin();
    if (part == normal.end() || *part != "/" || ++part == normal.end()) return false;
    for (const std::string_view system : kSystemFolders) {
        if (part->string() == system) return true;
    }
    return false;
}

}  // namespace vortalis
