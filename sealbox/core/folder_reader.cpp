#include "sealbox/core/folder_reader.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "runtime/errors/run_error.h"
#include "runtime/text/utf8_path.h"
#include "sealbox/core/file_search.h"

namespace vortalis {
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
// entry that cannot be looked at (a broken link) is left out.
template <typename Keep>
std::vector<std::string> VisibleEntries(const std::string& folder, Keep keep) {
    const std::filesystem::path path = Utf8Path(folder);
    std::error_code error;
    std::filesystem::directory_iterator entries(path, error);
    if (error) throw FolderError(error, path);
    std::vector<std::string> names;
    for (; entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        std::error_code ignored;
        if (!IsHiddenEntry(entries->path()) && keep(entries->status(ignored)))
            names.push_back(Utf8Text(entries->path().filename()));
    }
    if (error) throw FolderError(error, path);
    std::sort(names.begin(), names.end(), ComesBefore);
    return names;
}

}  // namespace

std::vector<std::string> SystemFolderReader::Subfolders(const std::string& folder) {
    return VisibleEntries(folder, [](const auto& status) { return is_directory(status); });
}

std::vector<std::string> SystemFolderReader::OrdinaryFiles(const std::string& folder) {
    return VisibleEntries(folder, [](const auto& status) { return is_regular_file(status); });
}

}  // namespace vortalis
