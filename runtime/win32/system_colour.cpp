#include "runtime/win32/system_colour.h"

namespace vortalis::win32 {

COLORREF PaintColour(std::int32_t stored) {
    const auto value = static_cast<std::uint32_t>(stored);
    if ((value & 0x80000000U) != 0) return GetSysColor(static_cast<int>(value & 0xFFU));
    return static_cast<COLORREF>(value & 0x00FFFFFFU);
}

}  // namespace vortalis::win32
