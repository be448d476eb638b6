#pragma once

#include <cstddef>
#include <cstdint>

#include "cipher/period_offsets.h"
#include "cipher/shift_kernel.h"

namespace vortalis {

// The hot loop for long runs: shifts `count` bytes from `in` to `out` (which
// may be the same memory) by the offsets of the draws at `position`,
// position + 1, ... of the cycle (wrapping at its end), read from the table
// rather than computed. Returns the plain bytes 255 it enciphered with a
// non-zero offset.
std::uint64_t ShiftBytesFromTable(ShiftKernel kernel, const PeriodOffsets& offsets,
                                  const std::uint8_t* in, std::uint8_t* out, std::size_t count,
                                  std::uint32_t position, bool encipher);

}  // namespace vortalis
