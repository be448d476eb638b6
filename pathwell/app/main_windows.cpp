// Pathwell: a folder browser without an argument, a file chooser in the folder
// its argument names otherwise; every pick is opened, until Cancel. Its form is
// a window that is never shown: the dialogs are all the user sees.

#include "pathwell/core/pathwell_frm.h"
#include "pathwell/platform/desktop_services.h"
#include "pathwell/ui/win32/hidden_form.h"
#include "runtime/errors/error_report.h"
#include "runtime/errors/run_error.h"
#include "runtime/process/command_line.h"
#include "runtime/process/program_location.h"
#include "runtime/process/system_libraries.h"

int main(int argc, char** argv) {
    // Before anything loads a library: none is taken from beside the program.
    vortalis::LoadLibrariesFromTheSystemOnly();
    // From the wide command line: a folder may have any letter in its name.
    const std::string argumentText = vortalis::CommandLineTextUtf8(argc, argv);

    // The form answers its own errors; these are of a form that could not be made.
    int exitStatus = 0;
    const auto error = vortalis::ErrorEscaping([&] {
        vortalis::pathwell::win32_ui::HiddenForm window;
        const auto services = vortalis::pathwell::MakeDesktopServices(window);
        vortalis::pathwell::Pathwell_frm form(window, services->Dialogs(), services->Shell());
        form.Form_load(argumentText);
        exitStatus = form.ExitStatus();
    });
    if (!error) return exitStatus;
    vortalis::ReportError(vortalis::CurrentProgram().stem, *error);
    return 1;
}
