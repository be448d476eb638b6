// Keyfold: enciphers or deciphers a small file in place from its command line
// ("file,password,C" or "...,D"). It shows nothing but an error box.

#include "keyfold/core/keyfold_frm.h"
#include "runtime/errors/error_report.h"
#include "runtime/process/command_line.h"

int main(int argc, char** argv) {
    vortalis::keyfold::Keyfold_frm form(
        [](const vortalis::RunError& error) { vortalis::ReportError("Keyfold", error); });
    return form.Form_Load(vortalis::CommandLineText(argc, argv),
                          vortalis::CommandLineTextUtf8(argc, argv));
}
