// Sealbox's file transform as a process of its own, for the tests that kill one
// part-way and for timing it against cp: "transform_file_run FILE PASSWORD C|D".
// Prints the peak resident memory.

#include <sys/resource.h>

#include <cstdio>
#include <string>

#include "run_error.h"
#include "transform_file.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: transform_file_run FILE PASSWORD C|D\n");
        return 2;
    }
    vortalis::SilentProgress progress;
    const auto mode = std::string(argv[3]) == "C" ? vortalis::CipherMode::Encipher
                                                  : vortalis::CipherMode::Decipher;
    try {
        vortalis::TransformFile(argv[1], argv[2], mode, progress);
    } catch (const vortalis::RunError& error) {
        std::fprintf(stderr, "Erreur %d : %s\n", error.Number(), error.what());
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory: %ld KiB\n", usage.ru_maxrss);
    return 0;
}
