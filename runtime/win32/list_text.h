#pragma once

#include <windows.h>

#include <string>

namespace vortalis::win32 {

// A list's row text (a list box's or a drop-down list's), asked by its length
// message, then its text message; empty for no such row.
std::string ListText(HWND list, UINT lengthMessage, UINT textMessage, int index);

}  // namespace vortalis::win32
