#include "sealbox/core/folder_reader.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "runtime/errors/run_error.h"
#include "runtime/files/file_system.h"
#include "runtime/text/utf8_path.h"

namespace vortalis::sealbox {
namespace {

bool ComesBefore(const std::string& left, const std::string& right) {
    return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(),
                                        [](char a, char b) {
                                            return std::tolower(static_cast<unsigned char>(a)) <
                                                   std::tolower(static_cast<unsigned char>(b));
                                        });
}

// A folder that is not there is a path not found, whatever holds it.
RunError FolderError(std::error_code error, const std::filesystem::path& folder) {
    if (error == std::errc::no_such_file_or_directory) return RunError(run_error::kPathNotFound);
    return FileError(error, folder);
}

// Names of the visible entries for which `keep` holds; links are followed, and an
// entry that cannot be looked at (a broken link) is neither a folder nor a file.
template <typename Keep>
std::vector<std::string> VisibleEntries(const std::string& folder, Keep keep) {
    const std::filesystem::path path = Utf8Path(folder);
    std::vector<FolderEntry> entries;
    if (std::error_code error = SystemFiles().ListEntries(path, entries))
        throw FolderError(error, path);
    std::vector<std::string> names;
    for (FolderEntry& entry : entries) {
        if (!entry.hidden && keep(entry)) names.push_back(std::move(entry.name));
    }
    std::sort(names.begin(), names.end(), ComesBefore);
    return names;
}

}  // namespace

std::vector<std::string> SystemFolderReader::Subfolders(const std::string& folder) {
    return VisibleEntries(folder, [](const FolderEntry& entry) { return entry.isFolder; });
}

std::vector<std::string> SystemFolderReader::OrdinaryFiles(const std::string& folder) {
    return VisibleEntries(folder, [](const FolderEntry& entry) { return entry.isRegular; });
}

}  // namespace vortalis::sealbox
