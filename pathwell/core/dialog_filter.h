#pragma once

#include <string>
#include <vector>

namespace vortalis::pathwell {

struct FilterEntry {
    std::string description;
    std::string pattern;

    bool operator==(const FilterEntry&) const = default;
};

// The entries of a filter text written "description|pattern|description|pattern";
// a description left without a pattern is dropped.
std::vector<FilterEntry> FilterEntries(const std::string& filter);

}  // namespace vortalis::pathwell
