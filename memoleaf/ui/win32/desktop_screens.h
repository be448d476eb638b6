#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "memoleaf/ui/win32/desktop_twips.h"

namespace vortalis::memoleaf::win32_ui {

// The screens of the desktop as the system has them now, in its order.
struct DesktopScreens {
    // Never empty: one at the origin, at the system's density, when the system
    // lists none.
    std::vector<Monitor> monitors;
    // The part of each listed screen a window may take, panels left out.
    std::vector<RECT> workAreas;
    std::size_t primary = 0;
};

// Each screen with its own dots per inch where the system has them per screen
// (Windows 8.1 on), else the system's.
DesktopScreens CurrentScreens();

}  // namespace vortalis::memoleaf::win32_ui
