#pragma once

#include <string>

#include "runtime/win32/control.h"

namespace vortalis::win32 {

// A text shown as it is ("&" included). A screen reader names a box by the
// label made just before it.
class Label : public Control {
  public:
    void Create(Window& parent, const std::string& caption);
};

// A control of no size that takes the focus and does nothing with the keys:
// the letters typed on it are its own, so that they never press a button whose
// "&" letter they are (only Alt+letter does).
class FocusHolder : public Control {
  public:
    void Create(Window& parent);

  private:
    static LRESULT CALLBACK TakeCharacters(HWND holder, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR data);
};

}  // namespace vortalis::win32
