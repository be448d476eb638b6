#pragma once

#include <windows.h>

namespace vortalis::win32 {

// The program's event loop for `window`, until WM_QUIT, whose code it returns.
// With `accelerators`, their keys run the window's menu commands; with
// `dialogKeys`, Tab, the arrows and Alt+letter move between its controls as
// in a dialog.
int RunMessageLoop(HWND window, HACCEL accelerators = nullptr, bool dialogKeys = false);

}  // namespace vortalis::win32
