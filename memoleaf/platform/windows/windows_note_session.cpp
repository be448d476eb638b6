#include "memoleaf/core/note_caption.h"
#include "memoleaf/platform/windows/windows_note_services.h"
#include "runtime/errors/error_report.h"
#include "runtime/text/wide_text.h"

namespace vortalis::memoleaf {
namespace {

// Owned by the note once it is shown: the note takes no click while the box is
// open, and a click on its task-bar button brings the box up with it. Before
// (the boxes of the start-up), by nothing: owned by a hidden window, a box
// would have no task-bar button and be lost behind other windows.
void ShowNoteBox(HWND note, const std::string& text, MessageIcon icon) {
    HWND owner = IsWindowVisible(note) ? note : nullptr;
    const UINT style = MB_OK | (icon == MessageIcon::Critical ? MB_ICONHAND : 0);
    if (MessageBoxW(owner, Widen(text).c_str(), Widen(kProgramTitle).c_str(), style) != 0) return;
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
