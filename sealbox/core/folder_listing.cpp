#include "sealbox/core/folder_listing.h"

#include "sealbox/core/file_search.h"

namespace vortalis::sealbox {

std::string FolderListing::PathAt(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= entries.size()) return {};
    return entries[static_cast<std::size_t>(row)].path;
}

FolderListing ListFolder(const std::string& folder, const std::vector<std::string>& subfolders) {
    FolderListing listing;
    int depth = 0;
    for (FolderStep& step : FolderSteps(folder))
        listing.entries.push_back({std::move(step.name), std::move(step.path), depth++, true});
    listing.selected = static_cast<int>(listing.entries.size()) - 1;
    for (const std::string& name : subfolders)
        listing.entries.push_back({name, WithTrailingSeparator(folder) + name, depth, false});
    return listing;
}

}  // namespace vortalis::sealbox
