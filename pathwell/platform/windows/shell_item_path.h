#pragma once

// clang-format off
#include <windows.h>
#include <shtypes.h>
// clang-format on

#include <string>

namespace vortalis::pathwell {

// The file-system path of a shell item, in UTF-8; empty for an item that has
// none (My Computer, the Control Panel). Read with room for the longest path
// the system names, where the shell's classic call stops at MAX_PATH.
std::string ShellItemPath(PCIDLIST_ABSOLUTE item);

}  // namespace vortalis::pathwell
