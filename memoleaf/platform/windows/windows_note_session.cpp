#include "memoleaf/core/note_caption.h"
#include "memoleaf/platform/windows/windows_note_services.h"
#include "runtime/errors/error_report.h"
#include "runtime/text/wide_text.h"
#include "runtime/win32/dialog_owner.h"

namespace vortalis::memoleaf {
namespace {

// Owned by the note once it is shown: the note takes no click while the box is
// open, and a click on its task-bar button brings the box up with it.
void ShowNoteBox(HWND note, const std::string& text, MessageIcon icon) {
    const UINT style = MB_OK | (icon == MessageIcon::Critical ? MB_ICONHAND : 0);
    if (MessageBoxW(win32::DialogOwner(note), Widen(text).c_str(), Widen(kProgramTitle).c_str(),
                    style) != 0)
        return;
    // No box at all: the runtime's own says it on standard error.
    vortalis::ShowMessage(kProgramTitle, text, icon);
}

}  // namespace

void WindowsNoteSession::ReportError(const RunError& error) {
    ShowNoteBox(note_, ErrorBoxText(error), MessageIcon::Critical);
}

void WindowsNoteSession::ShowMessage(const std::string& text) {
    ShowNoteBox(note_, text, MessageIcon::None);
}

void WindowsNoteSession::End(int exitCode) {
    DestroyWindow(note_);
    PostQuitMessage(exitCode);
}

}  // namespace vortalis::memoleaf
