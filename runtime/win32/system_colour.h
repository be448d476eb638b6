#pragma once

#include <windows.h>

#include <cstdint>

namespace vortalis::win32 {

// The colour to paint with for a stored value: 0x00BBGGRR as it is, or, with
// the top bit set, the system colour whose index is in the low byte.
COLORREF PaintColour(std::int32_t stored);

}  // namespace vortalis::win32
