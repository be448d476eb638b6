#include "memoleaf/ui/win32/note_menu.h"

#include "runtime/text/wide_text.h"

namespace vortalis::memoleaf::win32_ui {
namespace {

// Past the numbers the system's own commands take.
constexpr int kFirstCommand = 100;

HMENU AddMenu(HMENU parent, const NoteMenuEntry& entry) {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(parent, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), Widen(entry.caption).c_str());
    return menu;
}

}  // namespace

NoteMenu::NoteMenu() {
    const auto addMenu = [](int, const NoteMenuEntry&) { return 0; };
    const auto addCommand = [this](int, const NoteMenuEntry& entry) {
        commands_.push_back(&entry);
    };
    for (const NoteMenuEntry& menu : NoteMenuBar()) {
        AddNoteMenuEntries(0, menu, addMenu, addCommand);
    }
}

HMENU NoteMenu::BuildBar() const {
    HMENU bar = CreateMenu();
    int number = kFirstCommand;
    const auto addCommand = [&number](HMENU menu, const NoteMenuEntry& entry) {
        const std::wstring shown = Widen(std::string(entry.caption) + '\t' + ShortcutText(entry));
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(number++), shown.c_str());
    };
    for (const NoteMenuEntry& menu : NoteMenuBar()) {
        AddNoteMenuEntries(AddMenu(bar, menu), menu, &AddMenu, addCommand);
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
