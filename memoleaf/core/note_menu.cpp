#include "memoleaf/core/note_menu.h"

#include <array>

namespace vortalis::memoleaf {
namespace {

constexpr std::array<NoteMenuEntry, 2> kColourEntries{{
    {"cou1", "du &Fond", 'F', [](Memoleaf_frm& form) { form.cou1_Click(kBackgroundColour); }},
    {"cou1", "du &Texte", 'T', [](Memoleaf_frm& form) { form.cou1_Click(kTextColour); }},
}};

constexpr std::array<NoteMenuEntry, 5> kOrdresEntries{{
    {"cop", "&Copier", 'C', [](Memoleaf_frm& form) { form.cop_Click(); }},
    {"coul", "c&Ouleur", 0, nullptr, kColourEntries},
    {"pol", "changer la &Police", 'P', [](Memoleaf_frm& form) { form.pol_Click(); }},
    {"qui", "&Quitter", 'Q', [](Memoleaf_frm& form) { form.qui_Click(); }},
    {"cou", "co&Uper", 'X', [](Memoleaf_frm& form) { form.cou_Click(); }},
}};

constexpr std::array<NoteMenuEntry, 1> kMenuBar{{
    {"ord", "&Ordres", 0, nullptr, kOrdresEntries},
}};

}  // namespace

std::span<const NoteMenuEntry> NoteMenuBar() { return kMenuBar; }

std::string ShortcutText(const NoteMenuEntry& entry) {
    return entry.ctrlKey == 0 ? std::string() : std::string("Ctrl+") + entry.ctrlKey;
}

}  // namespace vortalis::memoleaf
