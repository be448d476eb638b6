// Pathwell: a folder browser without an argument, a file chooser in the folder
// its argument names otherwise; every pick is opened, until Cancel.

#include <QApplication>
#include <QTranslator>
#include <new>

#include "command_line.h"
#include "error_report.h"
#include "hidden_form.h"
#include "pathwell_frm.h"
#include "program_location.h"
#include "qt_french.h"
#include "run_error.h"

#ifdef _WIN32
#include "windows_path_dialogs.h"
#include "windows_shell.h"
#else
#include "linux_shell.h"
#include "qt_path_dialogs.h"
#endif

int main(int argc, char** argv) {
    // Read before Qt takes out the options it knows.
    const std::string argumentText = vortalis::CommandLineText(argc, argv);

    QApplication application(argc, argv);
    QTranslator translator;
    vortalis::SpeakFrench(translator);

    vortalis::pathwell::HiddenForm window;
#ifdef _WIN32
    vortalis::pathwell::WindowsPathDialogs dialogs;
    vortalis::pathwell::WindowsShell shell(window);
#else
    vortalis::pathwell::QtPathDialogs dialogs;
    vortalis::pathwell::LinuxShell shell;
#endif
    vortalis::pathwell::Pathwell_frm form(window, dialogs, shell);
    const auto error = vortalis::ErrorEscaping([&] { form.Form_load(argumentText); });
    if (!error) return 0;
    vortalis::ReportError(vortalis::CurrentProgram().stem, *error);
    return 1;
}
