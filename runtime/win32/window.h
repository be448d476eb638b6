#pragma once

#include <windows.h>

#include <string>

namespace vortalis::win32 {

// A top-level window of ours: it owns its handle and hands each message to
// OnMessage, which a program's window overrides with one named function per
// message it cares about.
// The resource number of the icon every program carries (see
// vortalis_windows_resources).
inline constexpr int kProgramIcon = 1;

class Window {
  public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return handle_; }
    void SetCaption(const std::string& utf8);
    std::string Caption() const;

  protected:
    // Registers the class (once, with the icon of resource `iconId`, 0 for
    // none) and creates the window; false when the system refuses.
    bool Create(const wchar_t* className, int iconId, DWORD style, DWORD extendedStyle = 0,
                HMENU menu = nullptr);
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
};

}  // namespace vortalis::win32
