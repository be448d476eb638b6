// Pathwell: a folder browser without an argument, a file chooser in the folder
// its argument names otherwise; every pick is opened, until Cancel.

#include <QApplication>

#include "pathwell/core/pathwell_frm.h"
#include "pathwell/platform/desktop_services.h"
#include "pathwell/ui/qt/hidden_form.h"
#include "runtime/process/command_line.h"
#include "runtime/qt/french_interface.h"

int main(int argc, char** argv) {
    // Read before Qt takes out the options it knows.
    const std::string argumentText = vortalis::CommandLineText(argc, argv);

    QApplication application(argc, argv);
    const vortalis::FrenchInterface french;

    vortalis::pathwell::qt_ui::HiddenForm window;
    const auto services = vortalis::pathwell::MakeDesktopServices(window);
    vortalis::pathwell::Pathwell_frm form(window, services->Dialogs(), services->Shell());
    form.Form_load(argumentText);
    return form.ExitStatus();
}
