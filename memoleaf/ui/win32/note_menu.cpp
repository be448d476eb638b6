#include "memoleaf/ui/win32/note_menu.h"

#include <array>
#include <string>

#include "memoleaf/core/note_settings.h"

namespace vortalis::memoleaf::win32_ui {
namespace {

using namespace note_command;

struct MenuEntry {
    const wchar_t* caption;
    char key;  // with Ctrl
    int command;
};

// In the menu's order; the colour submenu holds the second and third.
constexpr std::array<MenuEntry, 6> kEntries{{
    {L"&Copier", 'C', cop},
    {L"du &Fond", 'F', cou1 + kBackgroundColour},
    {L"du &Texte", 'T', cou1 + kTextColour},
    {L"changer la &Police", 'P', pol},
    {L"&Quitter", 'Q', qui},
    {L"co&Uper", 'X', cou},
}};

void AddEntry(HMENU menu, const MenuEntry& entry) {
    const std::wstring shown = std::wstring(entry.caption) + L"\tCtrl+" + wchar_t(entry.key);
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(entry.command), shown.c_str());
}

}  // namespace

HMENU BuildNoteMenu() {
    HMENU coul = CreatePopupMenu();
    AddEntry(coul, kEntries[1]);
    AddEntry(coul, kEntries[2]);

    HMENU ord = CreatePopupMenu();
    AddEntry(ord, kEntries[0]);
    AppendMenuW(ord, MF_POPUP, reinterpret_cast<UINT_PTR>(coul), L"c&Ouleur");
    for (std::size_t at = 3; at < kEntries.size(); ++at) AddEntry(ord, kEntries[at]);

    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(ord), L"&Ordres");
    return bar;
}

HACCEL BuildNoteAccelerators() {
    std::array<ACCEL, kEntries.size()> keys{};
    for (std::size_t at = 0; at < kEntries.size(); ++at) {
        keys[at] = {FVIRTKEY | FCONTROL, static_cast<WORD>(kEntries[at].key),
                    static_cast<WORD>(kEntries[at].command)};
    }
    return CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

}  // namespace vortalis::memoleaf::win32_ui
