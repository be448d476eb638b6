// Keyfold: enciphers or deciphers a small file in place from its command line
// ("file,password,C" or "...,D"). It shows nothing but an error box.

#include <new>

#include "command_line.h"
#include "error_report.h"
#include "keyfold_run.h"
#include "run_error.h"

int main(int argc, char** argv) {
    constexpr const char* kTitle = "Keyfold";
    try {
        vortalis::RunKeyfold(vortalis::CommandLineText(argc, argv));
        return 0;
    } catch (const vortalis::RunError& error) {
        vortalis::ReportError(kTitle, error);
    } catch (const std::bad_alloc&) {
        vortalis::ReportError(kTitle, vortalis::RunError(vortalis::run_error::kOutOfMemory));
    }
    return 1;
}
