#include "sealbox/core/file_search.h"

namespace vortalis {

bool IsOrdinaryFile(const std::filesystem::path& name) {
    if (name.empty() || IsHiddenName(name.filename().string())) return false;
    std::error_code ignored;
    return std::filesystem::is_regular_file(name, ignored);
}

std::string WithTrailingSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string NormalFolderPath(const std::string& folder) {
    std::error_code ignored;
    std::filesystem::path path = std::filesystem::absolute(folder, ignored).lexically_normal();
    // "/home/" names its folder by an empty last name; a root keeps its separator.
    if (path.has_relative_path() && !path.has_filename()) path = path.parent_path();
    return path.generic_string();
}

}  // namespace vortalis
