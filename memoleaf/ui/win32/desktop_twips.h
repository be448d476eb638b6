#pragma once

#include <windows.h>

#include <span>

#include "memoleaf/core/screen_placement.h"

namespace vortalis::memoleaf::win32_ui {

// A screen as the conversion needs it: where its pixels lie on the desktop, and
// its dots per inch.
struct Monitor {
    RECT pixels{};
    int dpi = USER_DEFAULT_SCREEN_DPI;
};

// How the note's twips lie on a desktop whose screens differ in density. Each
// screen keeps its top left corner where its pixels put it, counted at 15 twips
// a pixel (96 dpi), and its extent is its pixels at its own dpi. So:
// - one screen (at the desktop's origin) reads as it always has, at any dpi, and
//   screens all at 96 dpi make one plane, as before;
// - a screen denser than 96 dpi takes less room than its corner's slot, so no
//   two screens overlap in twips: every place in twips belongs to one screen or
//   to none (a gap between screens, which the nearest screen takes);
// - a screen's twips depend on that screen alone: another one plugged in or
//   removed does not move a note saved on it.

// A rectangle on `monitor`, from its pixels to twips. The edges of one that
// reaches past the screen continue at the same scale.
DesktopRect TwipsOfPixels(const RECT& pixels, const Monitor& monitor);

// And back. The size in pixels comes from the size in twips, not from the far
// edge, so that a window keeps its size wherever it is placed.
RECT PixelsOfTwips(const DesktopRect& twips, const Monitor& monitor);

// The screen that holds a rectangle, as the system picks the screen of a window:
// the one it overlaps most (the first listed of equals), else the nearest. A
// rectangle of no size still has its corner on one screen. `monitors` is not empty.
Monitor MonitorHolding(const RECT& pixels, std::span<const Monitor> monitors);
Monitor MonitorHolding(const DesktopRect& twips, std::span<const Monitor> monitors);

}  // namespace vortalis::memoleaf::win32_ui
