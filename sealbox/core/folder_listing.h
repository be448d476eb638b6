#pragma once

#include <string>
#include <vector>

namespace vortalis::sealbox {

// One entry of the folder list: a folder of the open path, drawn open, or a
// subfolder of the open one, drawn closed; `depth` steps in from the left.
struct FolderEntry {
    std::string name;  // as shown
    std::string path;  // the folder it opens, a normal folder path
    int depth = 0;
    bool open = false;

    bool operator==(const FolderEntry&) const = default;
};

// What Dir1 shows of an open folder, in the classic manner: the path from the
// root down, each folder one step further in, then the open one's subfolders;
// the open folder is the chosen row.
struct FolderListing {
    std::vector<FolderEntry> entries;
    int selected = -1;

    // The folder the entry at `row` opens, empty for no entry.
    std::string PathAt(int row) const;
};

// The listing of `folder` (a normal folder path) with these subfolders.
FolderListing ListFolder(const std::string& folder, const std::vector<std::string>& subfolders);

}  // namespace vortalis::sealbox
