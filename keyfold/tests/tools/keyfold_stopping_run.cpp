// Keyfold's run as a process that stops itself (SIGSTOP) in the write that
// passes a given count of bytes, for the tests that kill it exactly there:
//   keyfold_stopping_run STOP-AFTER-BYTES|- KEYFOLD-ARGUMENTS...
// ("-": never stops). Prints the bytes it wrote on standard error.

#include <cstdio>
#include <string>

#include "keyfold/core/keyfold_run.h"
#include "runtime/errors/run_error.h"
#include "runtime/process/command_line.h"
#include "runtime/tests/support/stopping_file_system.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: keyfold_stopping_run STOP-AFTER-BYTES|- ARGUMENTS...\n");
        return 2;
    }
    const std::string stop = argv[1];
    vortalis::testing::StoppingFileSystem files =
        stop == "-" ? vortalis::testing::StoppingFileSystem()
                    : vortalis::testing::StoppingFileSystem(std::stoull(stop));
    try {
        vortalis::keyfold::RunKeyfold(vortalis::JoinArguments(argc - 1, argv + 1), files);
    } catch (const vortalis::RunError& error) {
        std::fprintf(stderr, "Erreur %d : %s\n", error.Number(), error.what());
        return 1;
    }
    std::fprintf(stderr, "bytes written: %llu\n", static_cast<unsigned long long>(files.Written()));
    return 0;
}
