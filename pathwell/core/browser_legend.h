#pragma once

#include <string>

namespace vortalis::pathwell {

// The text shown above the folder browser: the caption, then what its
// controls do, then a rule of 50 macrons; lines end in CR LF, the rule does not.
// UTF-8, like the caption.
std::string BrowserLegend(const std::string& caption);

}  // namespace vortalis::pathwell
