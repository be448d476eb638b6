#pragma once

#include <windows.h>

#include <vector>

#include "memoleaf/core/note_menu.h"

namespace vortalis::memoleaf::win32_ui {

// The note's menu bar and shortcuts, built from the core's menu table: each
// command is numbered by its place among the table's commands.
class NoteMenu {
  public:
    NoteMenu();

    // The menu bar, each entry showing its shortcut; the window it is given to owns it.
    HMENU BuildBar() const;
    // The entries' shortcuts, to be freed with DestroyAcceleratorTable.
    HACCEL BuildAccelerators() const;
    // The command a WM_COMMAND number stands for; none for another number.
    NoteCommand CommandOf(int number) const;

  private:
    std::vector<const NoteMenuEntry*> commands_;
};

}  // namespace vortalis::memoleaf::win32_ui
