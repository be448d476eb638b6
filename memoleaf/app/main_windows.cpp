// Memoleaf: a sticky note that opens on the clipboard's text.

#include <windows.h>

#include "memoleaf/core/memoleaf_frm.h"
#include "memoleaf/core/note_caption.h"
#include "memoleaf/core/note_texts.h"
#include "memoleaf/platform/windows/windows_note_services.h"
#include "memoleaf/ui/win32/memoleaf_window.h"
#include "runtime/errors/error_report.h"
#include "runtime/process/system_libraries.h"
#include "runtime/win32/message_loop.h"

int main() {
    // Before anything loads a library: none is taken from beside the program.
    vortalis::LoadLibrariesFromTheSystemOnly();
    using namespace vortalis::memoleaf;
    win32_ui::MemoleafWindow window;
    if (!window.Created()) {
        vortalis::ShowMessage(kProgramTitle, kNoRichTextBox, vortalis::MessageIcon::Critical);
        return 1;
    }
    WindowsNoteDialogs dialogs(window.Handle());
    WindowsNoteClipboard clipboard(window.Handle());
    WindowsNoteSession session(window.Handle());
    WindowsScreenFonts fonts;
    const vortalis::UserPlaces places;
    Memoleaf_frm form(window, vortalis::CurrentProgram(),
                      {dialogs, clipboard, session, fonts, places, vortalis::SystemFiles()});
    window.ForwardEventsTo(form);
    form.Form_Load();
    // An error at start has been reported; the loop that would end is not running yet.
    if (form.Ended()) return 1;
    window.Show(SW_SHOWDEFAULT);
    return vortalis::win32::RunMessageLoop(window.Handle(), window.Accelerators());
}
