#include "sealbox/core/file_search.h"

#include "runtime/text/utf8_path.h"
#include "sealbox/core/platform_folders.h"

namespace vortalis::sealbox {

bool IsOrdinaryFile(const std::filesystem::path& name) {
    FileStatus status;
    if (name.empty() || SystemFiles().Status(name, status)) return false;
    return status.isRegular && !status.hidden && !IsHiddenName(Utf8Text(name.filename()));
}

std::string WithTrailingSeparator(std::string folder) {
    // "/" separates on every system, "\" on Windows too.
    if (folder.empty() || (folder.back() != '/' && folder.back() != kFolderSeparator))
        folder += kFolderSeparator;
    return folder;
}

std::string NormalFolderPath(const std::string& folder) {
    std::error_code ignored;
    std::filesystem::path path =
        std::filesystem::absolute(Utf8Path(folder), ignored).lexically_normal();
    // "/home/" names its folder by an empty last name; a root keeps its separator.
    if (path.has_relative_path() && !path.has_filename()) path = path.parent_path();
    return Utf8Text(path.make_preferred());
}

std::vector<FolderStep> FolderSteps(const std::string& folder) {
    const std::filesystem::path path = Utf8Path(folder);
    std::vector<FolderStep> steps;
    std::filesystem::path walked = path.root_path();
    if (!walked.empty()) steps.push_back({Utf8Text(walked), Utf8Text(walked)});
    for (const std::filesystem::path& name : path.relative_path()) {
        if (name.empty()) continue;
        walked /= name;
        steps.push_back({Utf8Text(name), Utf8Text(walked)});
    }
    return steps;
}

}  // namespace vortalis::sealbox
