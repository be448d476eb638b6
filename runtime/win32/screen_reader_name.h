#pragma once

#include <windows.h>

#include <string>

namespace vortalis::win32 {

// Names `control` for screen readers through the system's annotations, for a
// control that no label before it names (a list, a progress bar). Where the
// system keeps no annotations (Wine), it changes nothing; callers whose control
// shows no window text of its own also give it the name as that text, which
// every reader falls back to.
void NameForScreenReaders(HWND control, const std::string& name);

}  // namespace vortalis::win32
