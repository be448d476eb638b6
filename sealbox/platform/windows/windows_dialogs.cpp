#include "sealbox/platform/windows/windows_dialogs.h"

#include "runtime/errors/error_report.h"
#include "runtime/text/wide_text.h"
#include "runtime/win32/dialog_owner.h"
#include "sealbox/core/sealbox_messages.h"

namespace vortalis::sealbox {

int WindowsDialogs::Box(const std::string& text, UINT style) const {
    return MessageBoxW(win32::DialogOwner(owner_), Widen(text).c_str(),
                       Widen(kProgramTitle).c_str(), style);
}

void WindowsDialogs::Show(const std::string& text) { Box(text, MB_OK); }

bool WindowsDialogs::ConfirmLoss(std::uint64_t lostBytes) {
    return Box(LossQuestion(lostBytes), MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

void WindowsDialogs::ReportError(const RunError& error) {
    Box(ErrorBoxText(error), MB_OK | MB_ICONHAND);
}

}  // namespace vortalis::sealbox
