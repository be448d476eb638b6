// Keyfold: enciphers or deciphers a small file in place from its command line
// ("file,password,C" or "...,D"). It shows nothing but an error box.

#include "command_line.h"
#include "error_report.h"
#include "keyfold_run.h"
#include "run_error.h"

int main(int argc, char** argv) {
    const auto error = vortalis::ErrorEscaping(
        [&] { vortalis::RunKeyfold(vortalis::CommandLineText(argc, argv)); });
    if (!error) return 0;
    vortalis::ReportError("Keyfold", *error);
    return 1;
}
