#include "pathwell/core/selection_string.h"

namespace vortalis::pathwell {

std::vector<std::string> SelectedPaths(std::string_view selection, char separator) {
    const std::size_t folderEnd = selection.find('\0');
    if (folderEnd == std::string_view::npos) return {std::string(selection)};

    const std::string folder(selection.substr(0, folderEnd));
    std::string rest(selection.substr(folderEnd + 1));
    rest += '\0';
    std::vector<std::string> paths;
    while (!rest.empty()) {
        const std::size_t nameEnd = rest.find('\0');
        paths.push_back(folder + separator + rest.substr(0, nameEnd));
        rest.erase(0, nameEnd + 1);
    }
    return paths;
}

std::string JoinSelection(const std::string& folder, const std::vector<std::string>& names) {
    std::string selection = folder;
    for (const std::string& name : names) {
        selection += '\0';
        selection += name;
    }
    return selection;
}

}  // namespace vortalis::pathwell
