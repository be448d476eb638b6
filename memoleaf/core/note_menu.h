#pragma once

#include <span>
#include <string>

#include "memoleaf/core/memoleaf_frm.h"

namespace vortalis::memoleaf {

// What choosing a menu entry runs on the form.
using NoteCommand = void (*)(Memoleaf_frm&);

// One entry of the note's menus: a command of the form, or a menu of entries.
// Both windows build their menu bar and its shortcuts from this one table.
struct NoteMenuEntry {
    const char* name;           // as the form's design names it: ord, cop, coul, cou1...
    const char* caption;        // UTF-8, its access key after '&'
    char ctrlKey = 0;           // with Ctrl, the entry's shortcut: 'C' for Ctrl+C; 0 for none
    NoteCommand run = nullptr;  // none for a menu
    std::span<const NoteMenuEntry> entries{};  // a menu's entries, in order
};

// The menus of the bar, in order: the one menu "&Ordres", whose "c&Ouleur"
// holds the background (cou1, index 0) then the text colour (index 1).
std::span<const NoteMenuEntry> NoteMenuBar();

// The shortcut as a menu shows it beside the entry: "Ctrl+C"; empty for none.
std::string ShortcutText(const NoteMenuEntry& entry);

// Adds the entries of `source` to `menu`, a window's own menu, in order,
// through the window's two steps: `addMenu(menu, entry)` adds a menu and gives
// it back for its entries to follow; `addCommand(menu, entry)` adds a command.
template <typename Menu, typename AddMenu, typename AddCommand>
void AddNoteMenuEntries(Menu menu, const NoteMenuEntry& source, const AddMenu& addMenu,
                        const AddCommand& addCommand) {
    for (const NoteMenuEntry& entry : source.entries) {
        if (entry.run == nullptr) {
            AddNoteMenuEntries(addMenu(menu, entry), entry, addMenu, addCommand);
        } else {
            addCommand(menu, entry);
        }
    }
}

}  // namespace vortalis::memoleaf
