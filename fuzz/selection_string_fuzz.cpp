// Any bytes as a chooser's selection string: the split must give back, joined
// again, what it was given.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "pathwell/core/selection_string.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using vortalis::pathwell::SelectedPaths;
    const std::string selection(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> paths = SelectedPaths(selection, '/');
    const std::size_t nul = selection.find('\0');
    if (nul == std::string::npos) {
        if (paths != std::vector<std::string>{selection}) std::abort();
        return 0;
    }
    // One path per item after the folder, each the folder, a separator and the item.
    const std::string folder = selection.substr(0, nul);
    const auto items =
        static_cast<std::size_t>(std::count(selection.begin(), selection.end(), '\0'));
    if (paths.size() > items) std::abort();
    std::string rebuilt = folder;
    for (const std::string& path : paths) {
        if (path.compare(0, folder.size() + 1, folder + "/") != 0) std::abort();
        rebuilt += '\0' + path.substr(folder.size() + 1);
    }
    if (paths.size() == items && rebuilt != selection) std::abort();
    return 0;
}
