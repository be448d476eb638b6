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

}  // namespace vortalis
