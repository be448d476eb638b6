// Sealbox's file transform as a process of its own, for the tests that kill one
// part-way and for timing it against cp:
//   transform_file_run FILE PASSWORD C|D [STOP-AFTER-BYTES]
// Like Sealbox, it first puts back what a killed run left half rewritten. With a
// stop point it stops itself (SIGSTOP) in the write that passes it, for the test
// to kill it there. Prints the peak resident memory, and the bytes it wrote on
// standard error.

#include <sys/resource.h>

#include <cstdio>
#include <string>

#include "runtime/errors/run_error.h"
#include "runtime/files/rewrite_recovery.h"
#include "runtime/tests/support/stopping_file_system.h"
#include "sealbox/core/transform_file.h"

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: transform_file_run FILE PASSWORD C|D [STOP-AFTER-BYTES]\n");
        return 2;
    }
    vortalis::testing::StoppingFileSystem files =
        argc == 5 ? vortalis::testing::StoppingFileSystem(std::stoull(argv[4]))
                  : vortalis::testing::StoppingFileSystem();
    vortalis::sealbox::SilentProgress progress;
    const auto mode = std::string(argv[3]) == "C" ? vortalis::CipherMode::Encipher
                                                  : vortalis::CipherMode::Decipher;
    try {
        vortalis::RecoverInterruptedRewrites(files);
        vortalis::sealbox::TransformFile(argv[1], argv[2], mode, progress, {}, files);
    } catch (const vortalis::RunError& error) {
        std::fprintf(stderr, "Erreur %d : %s\n", error.Number(), error.what());
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory: %ld KiB\n", usage.ru_maxrss);
    std::fprintf(stderr, "bytes written: %llu\n", static_cast<unsigned long long>(files.Written()));
    return 0;
}
