#pragma once

#include <array>

#include "memoleaf/core/note_settings.h"

namespace vortalis::memoleaf {

// What the note says in its boxes and dialogs, in UTF-8, whichever window shows it.

// The colour chooser's titles, as the menu entries read, so that the user sees
// which colour is asked; indexed as NoteSettings::noteColours.
inline constexpr std::array<const char*, 2> kColourDialogTitles = [] {
    std::array<const char*, 2> titles{};
    titles[kBackgroundColour] = "Couleur du fond";
    titles[kTextColour] = "Couleur du texte";
    return titles;
}();

inline constexpr const char* kFontDialogTitle = "Police";

// After the reason a chosen font name cannot be kept.
inline constexpr const char* kFontUnchanged = " La police reste inchangée.";

// When the system has no rich-text box for the note (Windows without msftedit.dll).
inline constexpr const char* kNoRichTextBox =
    "La note n'a pas pu s'ouvrir\u00A0: le système n'a pas de zone de texte enrichi "
    "(msftedit.dll).";

}  // namespace vortalis::memoleaf
