#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vortalis {

// Windows' own text is UTF-16; the programs' strings are UTF-8. These convert at
// that border. Bytes that are not UTF-8, and UTF-16 halves without their pair,
// become U+FFFD, as the system converts them: a conversion never fails.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// The form of `path` that the system's file calls take at any length: the path
// itself while it is short, so that everyday paths reach the system as they
// always did; past the classic limit (MAX_PATH, less the 12 characters a folder
// keeps for its entries' names), its full form behind the "\\?\" prefix, which
// lifts the limit whatever the system's long-path setting.
std::wstring WidePath(const std::filesystem::path& path);

}  // namespace vortalis
