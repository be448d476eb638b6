#pragma once

#include <windows.h>

namespace vortalis::win32 {

// The program's event loop for `window`, until WM_QUIT, whose code it returns.
// With `accelerators`, their keys run the window's menu commands; with
// `dialogKeys`, Tab, the arrows and Alt+letter move between its controls as
// in a dialog.
int RunMessageLoop(HWND window, HACCEL accelerators = nullptr, bool dialogKeys = false);

// A turn for the thread's windows in the middle of a long piece of work: they
// repaint and answer what the system and other programs send or post (the
// system's "are you alive", timers), but no click or key of the user's runs.
// Those wait in the queue for the event loop.
void ProcessNonInputMessages();

}  // namespace vortalis::win32
