#pragma once

#include <span>

namespace vortalis::memoleaf {

// A rectangle on the desktop, in any one unit.
struct DesktopRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    bool operator==(const DesktopRect&) const = default;
};

// Where the window goes: where it was stored when that meets some screen's
// available area, even in part; otherwise, its size kept, at the top left of the
// primary screen's available area, so that a note saved on a screen that has
// gone does not open out of sight.
DesktopRect PlaceOnAScreen(DesktopRect stored, std::span<const DesktopRect> availableAreas,
                           DesktopRect primaryArea);

}  // namespace vortalis::memoleaf
