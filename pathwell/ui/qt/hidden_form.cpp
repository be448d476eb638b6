#include "pathwell/ui/qt/hidden_form.h"

namespace vortalis::pathwell::qt_ui {

WindowHandle HiddenForm::Handle() { return static_cast<WindowHandle>(widget_.winId()); }

std::string HiddenForm::Caption() const { return widget_.windowTitle().toStdString(); }

void HiddenForm::SetCaption(const std::string& caption) {
    widget_.setWindowTitle(QString::fromStdString(caption));
}

}  // namespace vortalis::pathwell::qt_ui
