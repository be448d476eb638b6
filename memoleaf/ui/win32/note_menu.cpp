#include "memoleaf/ui/win32/note_menu.h"

#include "runtime/text/wide_text.h"

namespace vortalis::memoleaf::win32_ui {
namespace {

// Past the numbers the system's own commands take.
constexpr int kFirstCommand = 100;

void AddCommands(const NoteMenuEntry& source, std::vector<const NoteMenuEntry*>& commands) {
    for (const NoteMenuEntry& entry : source.entries) {
        if (entry.IsMenu()) {
            AddCommands(entry, commands);
        } else {
            commands.push_back(&entry);
        }
    }
}

}  // namespace

NoteMenu::NoteMenu() {
    for (const NoteMenuEntry& menu : NoteMenuBar()) AddCommands(menu, commands_);
}

HMENU NoteMenu::BuildMenu(const NoteMenuEntry& source, int& number) const {
    HMENU menu = CreatePopupMenu();
    for (const NoteMenuEntry& entry : source.entries) {
        if (entry.IsMenu()) {
            AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildMenu(entry, number)),
                        Widen(entry.caption).c_str());
        } else {
            const std::wstring shown =
                Widen(std::string(entry.caption) + '\t' + ShortcutText(entry));
            AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(number++), shown.c_str());
        }
    }
    return menu;
}

HMENU NoteMenu::BuildBar() const {
    HMENU bar = CreateMenu();
    int number = kFirstCommand;
    for (const NoteMenuEntry& menu : NoteMenuBar()) {
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildMenu(menu, number)),
                    Widen(menu.caption).c_str());
    }
    return bar;
}

HACCEL NoteMenu::BuildAccelerators() const {
    std::vector<ACCEL> keys;
    for (std::size_t at = 0; at < commands_.size(); ++at) {
        keys.push_back({FVIRTKEY | FCONTROL, static_cast<WORD>(commands_[at]->ctrlKey),
                        static_cast<WORD>(kFirstCommand + static_cast<int>(at))});
    }
    return CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

NoteCommand NoteMenu::CommandOf(int number) const {
    const int at = number - kFirstCommand;
    if (at < 0 || at >= static_cast<int>(commands_.size())) return nullptr;
    return commands_[static_cast<std::size_t>(at)]->run;
}

}  // namespace vortalis::memoleaf::win32_ui
