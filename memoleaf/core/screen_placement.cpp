#include "memoleaf/core/screen_placement.h"

#include <algorithm>

namespace vortalis::memoleaf {
namespace {

bool Meets(const DesktopRect& window, const DesktopRect& area) {
    // A window with no size still has its corner somewhere.
    const double right = window.left + std::max(window.width, 1.0);
    const double bottom = window.top + std::max(window.height, 1.0);
    return window.left < area.left + area.width && area.left < right &&
           window.top < area.top + area.height && area.top < bottom;
}

}  // namespace

DesktopRect PlaceOnAScreen(DesktopRect stored, std::span<const DesktopRect> availableAreas,
                           DesktopRect primaryArea) {
    const bool visible = std::any_of(availableAreas.begin(), availableAreas.end(),
                                     [&](const DesktopRect& area) { return Meets(stored, area); });
    if (visible || availableAreas.empty()) return stored;
    return {primaryArea.left, primaryArea.top, stored.width, stored.height};
}

}  // namespace vortalis::memoleaf
