// Memoleaf: a sticky note that opens on the clipboard's text.

#include <QApplication>
#include <QTranslator>
#include <cstdlib>

#include "memoleaf/core/window_platform.h"
#include "memoleaf/platform/qt/qt_note_services.h"
#include "memoleaf/ui/memoleaf_frm.h"
#include "runtime/qt/first_paint_probe.h"
#include "runtime/qt/qt_french.h"

int main(int argc, char* argv[]) {
    using namespace vortalis::memoleaf;
    if (NeedsX11(std::getenv("QT_QPA_PLATFORM"), std::getenv("WAYLAND_DISPLAY"),
                 std::getenv("DISPLAY"))) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication application(argc, argv);
    // The colour and font choosers speak French like the rest of the note.
    QTranslator qtFrench;
    vortalis::SpeakFrench(qtFrench);

    QtNoteDialogs dialogs;
    QtNoteClipboard clipboard;
    QtNoteSession session;
    const vortalis::UserPlaces places;
    Memoleaf_frm note(vortalis::CurrentProgram(), places, {dialogs, clipboard, session});
    note.Form_Load();
    note.show();
    vortalis::QuitAfterFirstPaintWhenAsked(note);
    return QApplication::exec();
}
