#pragma once

#include <windows.h>

#include <cstdint>

namespace vortalis::win32 {

// The stored value that refers to the system colour `index` (COLOR_BTNFACE...),
// and follows the system's changes.
constexpr std::int32_t SystemColourValue(int index) {
    return static_cast<std::int32_t>(0x80000000U | static_cast<std::uint32_t>(index));
}

// The colour to paint with for a stored value: 0x00BBGGRR as it is, or, with
// the top bit set, the system colour whose index is in the low byte.
COLORREF PaintColour(std::int32_t stored);

}  // namespace vortalis::win32
