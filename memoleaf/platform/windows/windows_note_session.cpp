#include "memoleaf/core/note_caption.h"
#include "memoleaf/platform/windows/windows_note_services.h"
#include "runtime/errors/error_report.h"

namespace vortalis::memoleaf {
namespace {

// The box has no owner of its own: the note waits behind it, as behind a
// dialog, so that no menu command runs while it is open.
template <typename ShowBox>
void WithNoteDisabled(HWND note, ShowBox showBox) {
    const bool wasEnabled = IsWindowEnabled(note) != FALSE;
    EnableWindow(note, FALSE);
    showBox();
    EnableWindow(note, wasEnabled ? TRUE : FALSE);
    if (IsWindowVisible(note)) SetForegroundWindow(note);
}

}  // namespace

void WindowsNoteSession::ReportError(const RunError& error) {
    WithNoteDisabled(note_, [&] { vortalis::ReportError(kProgramTitle, error); });
}

void WindowsNoteSession::ShowMessage(const std::string& text) {
    WithNoteDisabled(note_, [&] { vortalis::ShowMessage(kProgramTitle, text, MessageIcon::None); });
}

void WindowsNoteSession::End(int exitCode) {
    DestroyWindow(note_);
    PostQuitMessage(exitCode);
}

}  // namespace vortalis::memoleaf
