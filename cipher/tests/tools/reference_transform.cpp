// The plain byte-by-byte cipher as a process, for the tests that check a file a
// real program transformed:
//   reference_transform PASSWORD C|D < IN > OUT
// The password is taken as its bytes: the tests give plain ASCII ones.

#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "cipher/tests/reference_cipher.h"

int main(int argc, char** argv) {
    if (argc != 3 || (std::string(argv[2]) != "C" && std::string(argv[2]) != "D")) {
        std::fprintf(stderr, "usage: reference_transform PASSWORD C|D < IN > OUT\n");
        return 2;
    }
    std::vector<std::uint8_t> in;
    for (int byte = std::getchar(); byte != EOF; byte = std::getchar()) {
        in.push_back(static_cast<std::uint8_t>(byte));
    }
    const auto mode = std::string(argv[2]) == "C" ? vortalis::CipherMode::Encipher
                                                  : vortalis::CipherMode::Decipher;
    const auto out = vortalis::testing::ReferenceTransform(argv[1], mode, in);
    return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() ? 0 : 1;
}
