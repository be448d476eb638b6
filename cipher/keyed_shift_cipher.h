#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "cipher/shift_stream.h"

namespace vortalis {

enum class CipherMode { Encipher, Decipher };

// Sum of each password character's code times its position counted from 1.
// The password is 8-bit Windows-1252 text.
std::uint64_t PasswordSum(std::string_view password);

// Shifts each byte up (Encipher) or down (Decipher), modulo 255, by an offset
// drawn from a generator seeded by the password. Output has the input's length;
// the i-th byte since Start takes the i-th draw, however the bytes are cut into calls.
// A pass past 16 MiB holds a table of offsets (ShiftStream), kept across Starts
// with passwords of the same length.
class KeyedShiftCipher {
  public:
    void Start(std::string_view password, CipherMode mode);

    // `out` must be as long as `in`; it may be the same memory.
    void Transform(std::span<const std::uint8_t> in, std::span<std::uint8_t> out);
    std::vector<std::uint8_t> Transform(std::span<const std::uint8_t> in);

    // Plain bytes 255 enciphered with a non-zero offset since Start: with the
    // modulus 255 they decipher as 0, not 255. Always 0 when deciphering.
    std::uint64_t UnrecoverableBytes() const { return unrecoverable_; }

  private:
    ShiftStream stream_;
    std::uint64_t unrecoverable_ = 0;
};

}  // namespace vortalis
