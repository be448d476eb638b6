// Sealbox's file transform alone, as the Windows build runs it, for bench/run to
// time under Wine beside the Linux build:
//   transform_file_timed FILE PASSWORD C|D
// bench/run names the file and the password in plain ASCII, which every code
// page reads alike.

#include <cstdio>
#include <string>

#include "runtime/errors/run_error.h"
#include "runtime/text/utf8_path.h"
#include "sealbox/core/transform_file.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: transform_file_timed FILE PASSWORD C|D\n");
        return 2;
    }
    vortalis::sealbox::SilentProgress progress;
    const auto mode = std::string(argv[3]) == "C" ? vortalis::CipherMode::Encipher
                                                  : vortalis::CipherMode::Decipher;
    try {
        vortalis::sealbox::TransformFile(vortalis::Utf8Path(argv[1]), argv[2], mode, progress, {},
                                         vortalis::SystemFiles());
    } catch (const vortalis::RunError& error) {
        std::fprintf(stderr, "Erreur %d : %s\n", error.Number(), error.what());
        return 1;
    }
    return 0;
}
