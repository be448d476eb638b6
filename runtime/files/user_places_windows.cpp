#include <io.h>

#include "runtime/files/user_places.h"

namespace vortalis {

bool UserPlaces::FolderWritable(const std::filesystem::path& folder) const {
    return _waccess(folder.c_str(), 2) == 0;
}

std::optional<std::filesystem::path> UserStateFolder(const UserPlaces& places) {
    return FolderNamedBy(places, "LOCALAPPDATA");
}

bool InSystemFolder(const std::filesystem::path& /*folder*/) { return false; }

}  // namespace vortalis
