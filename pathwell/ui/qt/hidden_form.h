#pragma once

#include <QWidget>

#include "pathwell/core/form_window.h"

namespace vortalis::pathwell::qt_ui {

// The form as a Qt window that is never shown: it still has a native handle
// and a caption.
class HiddenForm : public FormWindow {
  public:
    WindowHandle Handle() override;
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;

  private:
    QWidget widget_;
};

}  // namespace vortalis::pathwell::qt_ui
