#include "runtime/win32/menu_bar.h"

#include "runtime/text/wide_text.h"

namespace vortalis::win32 {
namespace {

// Above the dialog keys' ids: Enter and Escape come as commands 1 and 2 with
// no control either.
constexpr int kFirstCommand = 1000;

}  // namespace

void MenuBar::Menu::AddEntry(const std::string& caption, char key, std::function<void()> onChosen) {
    const int command = bar_.AddCommand(key, std::move(onChosen));
    std::wstring shown = Widen(caption);
    if (key != 0) shown += L"\tCtrl+" + std::wstring(1, static_cast<wchar_t>(key));
    AppendMenuW(handle_, MF_STRING, static_cast<UINT_PTR>(command), shown.c_str());
}

MenuBar::Menu& MenuBar::Menu::AddMenu(const std::string& caption) {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(handle_, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), Widen(caption).c_str());
    bar_.menus_.push_back(std::unique_ptr<Menu>(new Menu(bar_, menu)));
    return *bar_.menus_.back();
}

MenuBar::MenuBar() : bar_(*this, CreateMenu()) {}

MenuBar::~MenuBar() {
    if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
    if (!shown_) DestroyMenu(bar_.handle_);
}

MenuBar::Menu& MenuBar::AddMenu(const std::string& caption) { return bar_.AddMenu(caption); }

int MenuBar::AddCommand(char key, std::function<void()> onChosen) {
    entries_.push_back({key, std::move(onChosen)});
    return kFirstCommand + static_cast<int>(entries_.size()) - 1;
}

HACCEL MenuBar::Accelerators() {
    if (accelerators_ != nullptr) return accelerators_;
    std::vector<ACCEL> keys;
    for (std::size_t at = 0; at < entries_.size(); ++at) {
        if (entries_[at].key == 0) continue;
        keys.push_back({FVIRTKEY | FCONTROL, static_cast<WORD>(entries_[at].key),
                        static_cast<WORD>(kFirstCommand + static_cast<int>(at))});
    }
    if (!keys.empty())
        accelerators_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
    return accelerators_;
}

bool MenuBar::Choose(int command) const {
    const int at = command - kFirstCommand;
    if (at < 0 || at >= static_cast<int>(entries_.size())) return false;
    const std::function<void()>& onChosen = entries_[static_cast<std::size_t>(at)].onChosen;
    if (onChosen) onChosen();
    return true;
}

}  // namespace vortalis::win32
