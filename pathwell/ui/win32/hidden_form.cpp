#include "pathwell/ui/win32/hidden_form.h"

#include "runtime/errors/run_error.h"

namespace vortalis::pathwell::win32_ui {

// Without WS_VISIBLE and never given a ShowWindow: the dialogs are all the user
// sees, and take no hidden owner (DialogOwner), so that each has its own
// task-bar button.
bool HiddenForm::NeverShownWindow::Open() {
    return Create(L"VortalisPathwellForm", win32::kProgramIcon, WS_OVERLAPPEDWINDOW);
}

HiddenForm::HiddenForm() {
    // A window the system refuses is one it has no resources left for.
    if (!window_.Open()) throw RunError(run_error::kOutOfMemory);
}

WindowHandle HiddenForm::Handle() { return reinterpret_cast<WindowHandle>(window_.Handle()); }

std::string HiddenForm::Caption() const { return window_.Caption(); }

void HiddenForm::SetCaption(const std::string& caption) { window_.SetCaption(caption); }

}  // namespace vortalis::pathwell::win32_ui
