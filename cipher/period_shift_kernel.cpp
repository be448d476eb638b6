#include "cipher/period_shift_kernel.h"

#include <algorithm>
#include <utility>

#include "cipher/modulo_255_shift.h"

namespace vortalis {
namespace {

constexpr std::size_t kBlock = PeriodOffsets::kTurnsRepeat;

// What the kernels read of one part of the cycle, from the run's first byte on.
struct PartView {
    const std::uint8_t* scaled;
    const std::uint8_t* turns;
    std::uint8_t modulus;
    unsigned bits;
};

// The scale is a template argument: with a constant, bytes shift as 16-bit
// words with a mask, where a variable shift would widen them to 32 bits.
template <bool kEncipher, unsigned kBits>
VORTALIS_INLINE std::uint64_t ShiftPartBlocks(const std::uint8_t* in, std::uint8_t* out,
                                              std::size_t blocks, PartView part) {
    std::uint64_t unrecoverable = 0;
    for (std::size_t block = 0; block < blocks; ++block) {
        std::uint8_t offsets[kBlock];
        for (std::size_t j = 0; j < kBlock; ++j) {
            if constexpr (kBits == 0) {
                offsets[j] = part.scaled[j];  // one part: nothing to turn
            } else {
                const std::uint8_t turned =
                    TurnScaledOffset(part.scaled[j], part.turns[j], part.modulus);
                offsets[j] = static_cast<std::uint8_t>(turned >> kBits);
            }
        }
        // Straight from `in` to `out`, through no block of the stack: with
        // 32-byte vectors the compiler filled one in halves and read it whole,
        // and every block waited on its stores (AVX2 ran at half SSE2's speed).
        std::uint8_t lost = 0;
        for (std::size_t j = 0; j < kBlock; ++j) {
            const std::uint8_t byte = in[j];
            if constexpr (kEncipher) {
                lost = static_cast<std::uint8_t>(lost + LosesByte(byte, offsets[j]));
                out[j] = ShiftUp(byte, offsets[j]);
            } else {
                out[j] = ShiftDown(byte, offsets[j]);
            }
        }
        unrecoverable += lost;
        in += kBlock;
        out += kBlock;
        part.scaled += kBlock;
    }
    return unrecoverable;
}

template <unsigned... kBits>
VORTALIS_INLINE std::uint64_t ShiftPartBlocksForScale(const std::uint8_t* in, std::uint8_t* out,
                                                      std::size_t blocks, PartView part,
                                                      bool encipher,
                                                      std::integer_sequence<unsigned, kBits...>) {
    std::uint64_t unrecoverable = 0;
    const auto shiftFor = [&]<unsigned kScale>() VORTALIS_INLINE_LAMBDA {
        if (part.bits != kScale) return false;
        unrecoverable = encipher ? ShiftPartBlocks<true, kScale>(in, out, blocks, part)
                                 : ShiftPartBlocks<false, kScale>(in, out, blocks, part);
        return true;
    };
    (shiftFor.template operator()<kBits>() || ...);
    return unrecoverable;
}

VORTALIS_INLINE std::uint64_t ShiftPartBlocksEitherWay(const std::uint8_t* in, std::uint8_t* out,
                                                       std::size_t blocks, PartView part,
                                                       bool encipher) {
    return ShiftPartBlocksForScale(
        in, out, blocks, part, encipher,
        std::make_integer_sequence<unsigned, PeriodOffsets::kMostPartBits + 1>());
}

std::uint64_t ShiftPartBlocksBaseline(const std::uint8_t* in, std::uint8_t* out, std::size_t blocks,
                                      PartView part, bool encipher) {
    return ShiftPartBlocksEitherWay(in, out, blocks, part, encipher);
}

#if VORTALIS_HAS_VECTOR_KERNELS
VORTALIS_TARGET_AVX2 std::uint64_t ShiftPartBlocksAvx2(const std::uint8_t* in, std::uint8_t* out,
                                                       std::size_t blocks, PartView part,
                                                       bool encipher) {
    return ShiftPartBlocksEitherWay(in, out, blocks, part, encipher);
}

VORTALIS_TARGET_AVX512 std::uint64_t ShiftPartBlocksAvx512(const std::uint8_t* in,
                                                           std::uint8_t* out, std::size_t blocks,
                                                           PartView part, bool encipher) {
    return ShiftPartBlocksEitherWay(in, out, blocks, part, encipher);
}
#endif

std::uint64_t ShiftPartBlocksWith(ShiftKernel kernel, const std::uint8_t* in, std::uint8_t* out,
                                  std::size_t blocks, PartView part, bool encipher) {
#if VORTALIS_HAS_VECTOR_KERNELS
    if (kernel == ShiftKernel::Avx512) {
        return ShiftPartBlocksAvx512(in, out, blocks, part, encipher);
    }
    if (kernel == ShiftKernel::Avx2) return ShiftPartBlocksAvx2(in, out, blocks, part, encipher);
#endif
    (void)kernel;
    return ShiftPartBlocksBaseline(in, out, blocks, part, encipher);
}

// The bytes after the last whole block, fewer than one block.
std::uint64_t ShiftPartOneByOne(const std::uint8_t* in, std::uint8_t* out, std::size_t count,
                                const PartView& part, bool encipher) {
    std::uint64_t unrecoverable = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t scaled = part.scaled[i];
        const std::uint8_t turn = part.turns[i];
        const auto offset =
            static_cast<std::uint8_t>(TurnScaledOffset(scaled, turn, part.modulus) >> part.bits);
        out[i] = ShiftByte(in[i], offset, encipher, unrecoverable);
    }
    return unrecoverable;
}

}  // namespace

std::uint64_t ShiftBytesFromTable(ShiftKernel kernel, const PeriodOffsets& offsets,
                                  const std::uint8_t* in, std::uint8_t* out, std::size_t count,
                                  std::uint32_t position, bool encipher) {
    const std::uint32_t partLength = offsets.PartLength();
    std::uint64_t unrecoverable = 0;
    while (count != 0) {
        // One part at a time: within it the turns repeat from block to block.
        position &= PeriodOffsets::kPeriod - 1;
        const std::uint32_t within = position & (partLength - 1);
        const std::size_t run = std::min<std::size_t>(count, partLength - within);
        PartView part{offsets.FirstPart() + within, offsets.Turns(position), offsets.Modulus(),
                      offsets.PartBits()};
        const std::size_t blocks = run / kBlock;
        unrecoverable += ShiftPartBlocksWith(kernel, in, out, blocks, part, encipher);
        const std::size_t done = blocks * kBlock;
        part.scaled += done;
        unrecoverable += ShiftPartOneByOne(in + done, out + done, run - done, part, encipher);

        in += run;
        out += run;
        count -= run;
        position += static_cast<std::uint32_t>(run);
    }
    return unrecoverable;
}

}  // namespace vortalis
