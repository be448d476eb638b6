// Keyfold: enciphers or deciphers a small file in place from its command line
// ("file,password,C" or "...,D"). It shows nothing but an error box.

#include "keyfold/core/keyfold_frm.h"
#include "runtime/errors/error_report.h"
#include "runtime/process/command_line.h"
#include "runtime/process/system_libraries.h"

int main(int argc, char** argv) {
    // Before anything loads a library: none is taken from beside the program.
    vortalis::LoadLibrariesFromTheSystemOnly();
    vortalis::keyfold::Keyfold_frm form(
        [](const vortalis::RunError& error) { vortalis::ReportError("Keyfold", error); });
    return form.Form_Load(vortalis::CommandLineText(argc, argv),
                          vortalis::CommandLineTextUtf8(argc, argv));
}
