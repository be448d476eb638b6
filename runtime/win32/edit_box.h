#pragma once

#include <functional>

#include "runtime/win32/control.h"

namespace vortalis::win32 {

// A one-line text box.
class EditBox : public Control {
  public:
    void Create(Window& parent);
    // A password box: every character shows as `mask`, nothing can be copied out.
    void CreateMasked(Window& parent, wchar_t mask);

    // After every change of the text, by the user or by SetText.
    std::function<void()> onTextChanged;

  protected:
    bool OnCommand(int notification) override;
};

}  // namespace vortalis::win32
