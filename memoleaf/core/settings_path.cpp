#include "memoleaf/core/settings_path.h"

#include <cctype>

#include "runtime/text/utf8_path.h"

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

}  // namespace

std::string BuildSettingsPath(std::string_view folder, std::string_view name) {
    const char separator = IsWindowsFolder(folder) ? '\\' : '/';
    std::string path(folder);
    if (path.empty() || path.back() != separator) path += separator;
    return path + std::string(name) + ".PRM";
}

std::filesystem::path ChooseSettingsPath(const ProgramLocation& program, const UserPlaces& places) {
    if (!IsProductFolder(program.folder, places)) {
        if (std::optional<std::filesystem::path> configuration = UserConfigFolder(places)) {
            return Utf8Path(
                BuildSettingsPath(Utf8Text(*configuration / Utf8Path(program.stem)), program.stem));
        }
    }
    return Utf8Path(BuildSettingsPath(Utf8Text(program.folder), program.stem));
}

}  // namespace vortalis::memoleaf
