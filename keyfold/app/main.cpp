// Keyfold: enciphers or deciphers a small file in place from its command line
// ("file,password,C" or "...,D"). It shows nothing but an error box.

#include "keyfold/core/keyfold_run.h"
#include "runtime/errors/error_report.h"
#include "runtime/errors/run_error.h"
#include "runtime/process/command_line.h"

int main(int argc, char** argv) {
    const auto error = vortalis::ErrorEscaping(
        [&] { vortalis::RunKeyfold(vortalis::CommandLineText(argc, argv)); });
    if (!error) return 0;
    vortalis::ReportError("Keyfold", *error);
    return 1;
}
