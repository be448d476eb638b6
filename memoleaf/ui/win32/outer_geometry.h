#pragma once

#include <windows.h>

#include "memoleaf/core/screen_placement.h"

namespace vortalis::memoleaf::win32_ui {

// A rectangle of the desktop in pixels, as the system gives a window's outer
// edges or a screen's work area, in twips at `dpi`.
DesktopRect TwipsOfPixels(const RECT& pixels, int dpi);

// And back. The size in pixels comes from the size in twips, not from the far
// edge, so that a window keeps its size wherever it is placed.
RECT PixelsOfTwips(const DesktopRect& twips, int dpi);

}  // namespace vortalis::memoleaf::win32_ui
