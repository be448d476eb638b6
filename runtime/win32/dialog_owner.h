#pragma once

#include <windows.h>

namespace vortalis::win32 {

// The owner a box or dialog is given: the program's window while the user can see it,
// else none. A dialog owned by a window never shown has no task-bar button and
// no Alt+Tab entry, and is lost behind other programs' windows; without an
// owner it is a top-level window of its own, which Windows gives both. A
// window shown but kept off the screen would also give a button, but to an
// empty window that Alt+Tab and screen readers would offer in the dialog's
// place.
HWND DialogOwner(HWND form);

}  // namespace vortalis::win32
