#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>

namespace vortalis::win32 {

class Control;
class MenuBar;

// The resource number of the icon every program carries (see
// vortalis_windows_resources).
inline constexpr int kProgramIcon = 1;

// A top-level window of ours: it owns its handle and hands each message to
// OnMessage, which a program's window overrides with one named function per
// message it cares about. The messages its controls and its menu send about
// themselves go back to them first (see Control), so a program's window only
// connects their events.
class Window {
  public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return handle_; }
    void SetCaption(const std::string& utf8);
    std::string Caption() const;
    // The menu bar shown at the top, whose entries run their handlers from
    // now on (with their keys, through the message loop's accelerators).
    void UseMenuBar(MenuBar& menu);
    // In the middle of the work area (the screen less the task bar) of the
    // screen it is on: where the system puts a new window depends on how the
    // program was started, and Wine's place is the screen's top-left corner.
    void CentreOnWorkArea();

  protected:
    // Registers the class (once, with the icon of resource `iconId`, 0 for
    // none) and creates the window; false when the system refuses.
    bool Create(const wchar_t* className, int iconId, DWORD style);
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    friend class Control;
    // A control made in this window: its id, then each window of its own.
    int Adopt(Control& control);
    void Adopted(Control& control, HWND part);

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The answer of the control or the menu a message is about, if it gave one.
    std::optional<LRESULT> HandBack(UINT message, WPARAM wParam, LPARAM lParam);
    Control* ControlOf(HWND part) const;

    HWND handle_ = nullptr;
    MenuBar* menu_ = nullptr;
    int nextControlId_ = 100;  // after the dialog keys' own ids (IDOK, IDCANCEL...)
    std::map<int, Control*> controlsById_;
    std::map<HWND, Control*> controlsByHandle_;
};

}  // namespace vortalis::win32
