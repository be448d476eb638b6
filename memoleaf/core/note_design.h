#pragma once

#include <cstdint>

namespace vortalis::memoleaf {

// The text box's colours as the window is designed: pale yellow, black. Each
// window paints them when it is made; the form then reads them back as the
// colours of a first run.
inline constexpr std::int32_t kDesignBackground = 8454143;
inline constexpr std::int32_t kDesignText = 0;

}  // namespace vortalis::memoleaf
