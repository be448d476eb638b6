#pragma once

#include <windows.h>

#include <string>

namespace vortalis::win32 {

// A window's text (a caption, a box's content) in UTF-8, read and set.
std::string TextOf(HWND window);
void SetTextOf(HWND window, const std::string& utf8);
// The same text as the system keeps it, for drawing.
std::wstring WideTextOf(HWND window);

// A child control of one of our windows (a button, a box, a list...): it owns
// nothing but its handle, which its parent destroys. The kinds a program uses
// derive from it and say what they do in the control's own messages, so that
// window code never sends a message itself.
class Control {
  public:
    // `windowClass` is the system's class name (L"BUTTON", WC_EDITW, ...);
    // `id` comes back in the parent's WM_COMMAND.
    void Create(HWND parent, const wchar_t* windowClass, const std::string& text, DWORD style,
                int id, DWORD extendedStyle = 0);

    HWND Handle() const { return handle_; }
    int Id() const { return id_; }
    void SetText(const std::string& utf8);
    std::string Text() const;
    void Place(const RECT& pixels);
    void SetFont(HFONT font);
    void Focus();

  protected:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

  private:
    HWND handle_ = nullptr;
    int id_ = 0;
};

}  // namespace vortalis::win32
