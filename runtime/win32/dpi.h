#pragma once

#include <windows.h>

namespace vortalis::win32 {

// The dots per inch of the screen a window is on (96 where the system does not
// say): designs in twips are turned into pixels by it, once, in one place.
int WindowDpi(HWND window);

// A design rectangle in twips, as pixels at `dpi`.
RECT TwipsRect(int left, int top, int width, int height, int dpi);
int TwipsToPixels(double twips, int dpi);
double PixelsToTwips(int pixels, int dpi);

}  // namespace vortalis::win32
