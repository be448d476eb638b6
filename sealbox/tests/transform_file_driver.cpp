// A process that does nothing but Sealbox's file transform, for the tests that
// kill one part-way: "transform_file_driver FILE PASSWORD C|D".

#include <string>

#include "run_error.h"
#include "transform_file.h"

namespace {

struct NoProgress : vortalis::TransformProgress {
    void Begin(std::uint64_t, std::uint64_t) override {}
    void Step() override {}
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    NoProgress progress;
    const auto mode = std::string(argv[3]) == "C" ? vortalis::CipherMode::Encipher
                                                  : vortalis::CipherMode::Decipher;
    try {
        vortalis::TransformFile(argv[1], argv[2], mode, progress);
        return 0;
    } catch (const vortalis::RunError&) {
        return 1;
    }
}
