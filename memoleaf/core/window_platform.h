#pragma once

namespace vortalis::memoleaf {

// Whether the note must run on X11: Wayland lets no program place its own
// window, and the note's job is to come back where it was. So on a Wayland
// desktop that also offers X11 (XWayland) it takes X11, unless the user named a
// platform. Arguments are the environment's QT_QPA_PLATFORM, WAYLAND_DISPLAY and
// DISPLAY, null when unset.
bool NeedsX11(const char* platform, const char* waylandDisplay, const char* x11Display);

}  // namespace vortalis::memoleaf
