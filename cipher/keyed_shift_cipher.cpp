#include "cipher/keyed_shift_cipher.h"

#include <cassert>

namespace vortalis {

std::uint64_t PasswordSum(std::string_view password) {
    std::uint64_t sum = 0;
    std::uint64_t position = 0;
    for (const char character : password) {
        sum += static_cast<unsigned char>(character) * ++position;
    }
    return sum;
}

void KeyedShiftCipher::Start(std::string_view password, CipherMode mode) {
    ShiftGenerator generator;
    generator.Randomize(static_cast<double>(PasswordSum(password)));
    stream_.Start(generator.State(), password.size(), mode == CipherMode::Encipher);
    unrecoverable_ = 0;
}

void KeyedShiftCipher::Transform(std::span<const std::uint8_t> in, std::span<std::uint8_t> out) {
    assert(in.size() == out.size());
    unrecoverable_ += stream_.Shift(in.data(), out.data(), in.size());
}

std::vector<std::uint8_t> KeyedShiftCipher::Transform(std::span<const std::uint8_t> in) {
    std::vector<std::uint8_t> out(in.size());
    Transform(in, out);
    return out;
}

}  // namespace vortalis
