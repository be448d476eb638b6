#pragma once

#include <windows.h>

namespace vortalis::win32 {

// Every control that takes the focus is a tab stop and a group of its own:
// the arrows never move the focus between controls, only Tab does.
inline constexpr DWORD kFocusStop = WS_TABSTOP | WS_GROUP;

}  // namespace vortalis::win32
