#pragma once

#include <windows.h>

namespace vortalis::memoleaf::win32_ui {

// The command numbers of the menu "Ordres", named as the form's entries:
// `cou1` is the first of two, background (index 0) then text (index 1).
namespace note_command {
inline constexpr int cop = 101;
inline constexpr int cou1 = 110;
inline constexpr int pol = 120;
inline constexpr int qui = 121;
inline constexpr int cou = 122;
}  // namespace note_command

// The menu bar with its one menu, "&Ordres", each entry showing its shortcut.
HMENU BuildNoteMenu();

// The entries' shortcuts (Ctrl+C, Ctrl+F, ...), to be freed with
// DestroyAcceleratorTable.
HACCEL BuildNoteAccelerators();

}  // namespace vortalis::memoleaf::win32_ui
