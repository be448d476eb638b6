#pragma once

#include <cstddef>
#include <cstdint>

namespace vortalis {

// Where a run of bytes leaves the generator, and how many plain bytes 255 it
// enciphered with a non-zero offset.
struct ShiftOutcome {
    std::uint32_t state = 0;
    std::uint64_t unrecoverable = 0;
};

// The cipher's hot loop: shifts `count` bytes from `in` to `out` (which may be
// the same memory), drawing one generator step per byte from `state`.
ShiftOutcome ShiftBytes(const std::uint8_t* in, std::uint8_t* out, std::size_t count,
                        std::uint32_t state, std::uint64_t passwordLength, bool encipher);

// The vector instruction sets the hot loop is built for; ShiftBytes takes the
// best this processor has. Tests run each one that it can.
// Baseline is SSE2 on x86-64.
enum class ShiftKernel { Baseline, Avx2, Avx512 };
bool ShiftKernelAvailable(ShiftKernel kernel);
ShiftKernel BestShiftKernel();
const char* ShiftKernelName(ShiftKernel kernel);
ShiftOutcome ShiftBytesWith(ShiftKernel kernel, const std::uint8_t* in, std::uint8_t* out,
                            std::size_t count, std::uint32_t state, std::uint64_t passwordLength,
                            bool encipher);

}  // namespace vortalis
