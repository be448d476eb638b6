#include "pathwell/core/dialog_filter.h"

namespace vortalis::pathwell {

std::vector<FilterEntry> FilterEntries(const std::string& filter) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = filter.find('|', start);
        pieces.push_back(filter.substr(start, bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    std::vector<FilterEntry> entries;
    for (std::size_t i = 0; i + 1 < pieces.size(); i += 2) {
        entries.push_back({pieces[i], pieces[i + 1]});
    }
    return entries;
}

}  // namespace vortalis::pathwell
