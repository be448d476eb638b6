#pragma once

// The cipher written the plain way, byte by byte in double precision with the
// wrap loops, to check the fast lanes against.

#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

#include "cipher/keyed_shift_cipher.h"
#include "cipher/shift_generator.h"

namespace vortalis::testing {

// The generator as the password seeds it.
inline ShiftGenerator ReferenceGenerator(std::string_view password) {
    ShiftGenerator generator;
    generator.Randomize(static_cast<double>(PasswordSum(password)));
    return generator;
}

inline std::uint64_t ReferenceOffset(ShiftGenerator& generator, std::size_t passwordLength) {
    return static_cast<std::uint64_t>(
        std::floor(generator.Rnd() * static_cast<double>(passwordLength)));
}

inline std::vector<std::uint64_t> ReferenceOffsets(std::string_view password, std::size_t count) {
    ShiftGenerator generator = ReferenceGenerator(password);
    std::vector<std::uint64_t> offsets(count);
    for (auto& offset : offsets) offset = ReferenceOffset(generator, password.size());
    return offsets;
}

inline std::uint8_t ReferenceShift(std::uint8_t byte, std::uint64_t offset, CipherMode mode) {
    auto value = static_cast<std::int64_t>(byte);
    if (mode == CipherMode::Encipher) {
        value += static_cast<std::int64_t>(offset);
        while (value > 255) value -= 255;
    } else {
        value -= static_cast<std::int64_t>(offset);
        while (value < 0) value += 255;
    }
    return static_cast<std::uint8_t>(value);
}

inline std::vector<std::uint8_t> ReferenceTransform(std::string_view password, CipherMode mode,
                                                    const std::vector<std::uint8_t>& in) {
    ShiftGenerator generator = ReferenceGenerator(password);
    std::vector<std::uint8_t> out(in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        out[i] = ReferenceShift(in[i], ReferenceOffset(generator, password.size()), mode);
    }
    return out;
}

}  // namespace vortalis::testing
