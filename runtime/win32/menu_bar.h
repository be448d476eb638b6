#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vortalis::win32 {

// A window's menu bar: menus of entries, each with its caption, an optional
// Ctrl+letter shortcut shown beside it, and the handler it runs when chosen
// (with the mouse, by its letters, or by its shortcut).
class MenuBar {
  public:
    class Menu {
      public:
        // `key` is the letter pressed with Ctrl, or 0 for none.
        void AddEntry(const std::string& caption, char key, std::function<void()> onChosen);
        Menu& AddMenu(const std::string& caption);

      private:
        friend class MenuBar;
        Menu(MenuBar& bar, HMENU handle) : bar_(bar), handle_(handle) {}
        MenuBar& bar_;
        HMENU handle_;
    };

    MenuBar();
    ~MenuBar();
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    Menu& AddMenu(const std::string& caption);

    HMENU Handle() const { return bar_.handle_; }
    // The entries' shortcuts, for the message loop; made once all are added.
    HACCEL Accelerators();
    // Runs the handler of the entry that `command` stands for; false for none.
    bool Choose(int command) const;

  private:
    friend class Window;
    struct Entry {
        char key;
        std::function<void()> onChosen;
    };
    int AddCommand(char key, std::function<void()> onChosen);

    Menu bar_;
    std::vector<std::unique_ptr<Menu>> menus_;
    std::vector<Entry> entries_;
    HACCEL accelerators_ = nullptr;
    bool shown_ = false;  // then the window destroys it
};

}  // namespace vortalis::win32
