#pragma once

#include <string>
#include <string_view>

namespace vortalis {

// Windows' own text is UTF-16; the programs' strings are UTF-8. These convert at
// that border. Bytes that are not UTF-8 become U+FFFD, as the system converts them.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace vortalis
