#pragma once

#include "pathwell/core/form_window.h"
#include "runtime/win32/window.h"

namespace vortalis::pathwell::win32_ui {

// The form as a top-level window that is never shown: the handle the form
// hands its dialogs, and the caption they quote.
class HiddenForm : public FormWindow {
  public:
    // Throws RunError when the system will not create the window.
    HiddenForm();

    WindowHandle Handle() override;
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;

  private:
    class NeverShownWindow : public win32::Window {
      public:
        bool Open();
    };

    NeverShownWindow window_;
};

}  // namespace vortalis::pathwell::win32_ui
