// Sealbox: enciphers or deciphers the file picked in its window, then ends.

#include <QApplication>

#include "runtime/process/command_line.h"
#include "runtime/qt/first_paint_probe.h"
#include "runtime/qt/french_interface.h"
#include "sealbox/core/sealbox_frm.h"
#include "sealbox/core/sealbox_messages.h"
#include "sealbox/platform/qt/message_box_dialogs.h"
#include "sealbox/platform/qt/mounted_volumes.h"
#include "sealbox/platform/qt/qt_end_sound.h"
#include "sealbox/ui/qt/sealbox_window.h"

namespace {

// Ends the program once control is back in its event loop.
class ApplicationEnd : public vortalis::sealbox::ProgramEnd {
  public:
    void End(int exitCode) override { QCoreApplication::exit(exitCode); }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setApplicationName(QString::fromUtf8(vortalis::sealbox::kProgramTitle));
    const vortalis::FrenchInterface french;

    vortalis::sealbox::MessageBoxDialogs dialogs;
    vortalis::sealbox::QtEndSound endSound;
    ApplicationEnd programEnd;
    vortalis::sealbox::MountedVolumes volumes;
    vortalis::sealbox::SystemFolderReader folders;
    const vortalis::UserPlaces places;
    vortalis::sealbox::qt_ui::SealboxWindow window;
    vortalis::sealbox::Sealboxfrm form(
        window, {dialogs, endSound, programEnd, volumes, folders, vortalis::SystemFiles(), places},
        {vortalis::CommandLineText(argc, argv), vortalis::CurrentProgram()});
    window.ForwardEventsTo(form);
    form.Form_Load();
    // An error at start has been reported; the event loop that would end is not running yet.
    if (form.Ended()) return 1;
    window.show();
    vortalis::QuitAfterFirstPaintWhenAsked(window);
    return application.exec();
}
