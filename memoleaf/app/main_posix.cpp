// Memoleaf: a sticky note that opens on the clipboard's text.

#include <QApplication>
#include <cstdlib>

#include "memoleaf/core/memoleaf_frm.h"
#include "memoleaf/core/window_platform.h"
#include "memoleaf/platform/linux/clipboard_after_exit.h"
#include "memoleaf/platform/qt/qt_note_services.h"
#include "memoleaf/ui/qt/memoleaf_window.h"
#include "runtime/qt/first_paint_probe.h"
#include "runtime/qt/french_interface.h"

int main(int argc, char* argv[]) {
    using namespace vortalis::memoleaf;
    if (NeedsX11(std::getenv("QT_QPA_PLATFORM"), std::getenv("WAYLAND_DISPLAY"),
                 std::getenv("DISPLAY"))) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication application(argc, argv);
    // The form says when the note ends, its window's closing included.
    QApplication::setQuitOnLastWindowClosed(false);
    // The colour and font choosers speak French like the rest of the note.
    const vortalis::FrenchInterface french;

    qt_ui::MemoleafWindow window;
    QtNoteDialogs dialogs(&window);
    QtNoteClipboard clipboard;
    QtNoteSession session;
    QtScreenFonts fonts;
    const vortalis::UserPlaces places;
    Memoleaf_frm form(window, vortalis::CurrentProgram(),
                      {dialogs, clipboard, session, fonts, places, vortalis::SystemFiles()});
    window.ForwardEventsTo(form);
    form.Form_Load();
    // An error at start has been reported; the event loop that would end is not running yet.
    if (form.Ended()) return 1;
    window.show();
    vortalis::QuitAfterFirstPaintWhenAsked(window);
    const int status = QApplication::exec();
    KeepClipboardAfterExit(vortalis::CurrentProgram().folder / kClipboardKeeperName);
    return status;
}
