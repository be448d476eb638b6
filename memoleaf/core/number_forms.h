#pragma once

#include <cstdint>
#include <string>

namespace vortalis::memoleaf {

// The two ways the settings file writes a whole number.

// Shortest decimal form, "-" when negative, no spaces: "0", "1200", "-60".
std::string PlainForm(std::int64_t number);

// A space where a "+" would stand (or the "-"), the digits, then one space:
// " 4995 ", "-60 ".
std::string PrintForm(std::int64_t number);

}  // namespace vortalis::memoleaf
