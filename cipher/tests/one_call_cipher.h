#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "cipher/keyed_shift_cipher.h"

namespace vortalis::testing {

// Bytes through one fresh pass of the cipher in a single call: what any cut of
// them into calls must give, and what a transformed file must hold.
inline std::vector<std::uint8_t> CipherInOneCall(std::string_view password, CipherMode mode,
                                                 std::span<const std::uint8_t> in) {
    KeyedShiftCipher cipher;
    cipher.Start(password, mode);
    return cipher.Transform(in);
}

}  // namespace vortalis::testing
