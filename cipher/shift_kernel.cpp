#include "cipher/shift_kernel.h"

#include <array>
#include <cstring>

#include "cipher/modulo_255_shift.h"
#include "cipher/shift_generator.h"

// The state recurrence is a serial chain, so 64 states are stepped side by side,
// each leaping 64 steps at a time; the compiler vectorises the lanes.

namespace vortalis {
namespace {

constexpr std::size_t kLanes = 64;

// Below this length, state * length fits 32 bits and the offset is at most 255.
constexpr std::uint64_t kNarrowLengthLimit = 256;
// Below this one, the offset is computed exactly from two 32-bit products.
constexpr std::uint64_t kWideLengthLimit = std::uint64_t{1} << 19;

enum class OffsetKind { Narrow, Wide };

constexpr std::array<GeneratorLeap, kLanes> MakeLaneLeaps() {
    std::array<GeneratorLeap, kLanes> leaps{};
    GeneratorLeap one{ShiftGenerator::kMultiplier, ShiftGenerator::kIncrement};
    GeneratorLeap leap = one;
    for (auto& entry : leaps) {
        entry = leap;
        leap = leap.Then(one);
    }
    return leaps;
}

constexpr auto kLaneLeaps = MakeLaneLeaps();  // lane j starts j + 1 steps ahead
constexpr GeneratorLeap kBlockLeap = MakeLaneLeaps().back();

// An offset (below 2^19, as the lane limit keeps it) brought into 0..255 without
// changing what one shift gives: 0 stays 0, any other offset becomes the value
// in 1..255 congruent to it modulo 255. Since 256 = 1 (mod 255), adding the high
// part to the low byte keeps the remainder.
VORTALIS_INLINE std::uint32_t FoldModulo255(std::uint32_t offset) {
    std::uint32_t sum = (offset & 0xFF) + (offset >> 8);  // at most 2,302
    sum = (sum & 0xFF) + (sum >> 8);                      // at most 263
    return sum > 255 ? sum - 255 : sum;
}

template <OffsetKind kKind>
VORTALIS_INLINE std::uint32_t ReducedOffset(std::uint32_t state, std::uint32_t length) {
    if constexpr (kKind == OffsetKind::Narrow) {
        return (state * length) >> 24;
    } else {
        // (state * length) >> 24 with state split in two 12-bit halves, so that
        // each product stays within 32 bits for lengths below kWideLengthLimit.
        const std::uint32_t high = (state >> 12) * length;
        const std::uint32_t low = ((state & 0xFFF) * length) >> 12;
        return FoldModulo255((high + low) >> 12);
    }
}

template <OffsetKind kKind, bool kEncipher>
VORTALIS_INLINE ShiftOutcome ShiftLaneBlocks(const std::uint8_t* in, std::uint8_t* out,
                                             std::size_t blocks, std::uint32_t state,
                                             std::uint32_t length) {
    std::uint32_t lanes[kLanes];
    for (std::size_t j = 0; j < kLanes; ++j) lanes[j] = kLaneLeaps[j].Apply(state);

    std::uint64_t unrecoverable = 0;
    for (std::size_t block = 0; block < blocks; ++block) {
        std::uint8_t bytes[kLanes];
        std::uint8_t offsets[kLanes];
        std::memcpy(bytes, in, kLanes);
        for (std::size_t j = 0; j < kLanes; ++j) {
            offsets[j] = static_cast<std::uint8_t>(ReducedOffset<kKind>(lanes[j], length));
        }
        for (std::size_t j = 0; j < kLanes; ++j) lanes[j] = kBlockLeap.Apply(lanes[j]);

        unrecoverable += ShiftBlock<kEncipher>(bytes, offsets);
        std::memcpy(out, bytes, kLanes);
        in += kLanes;
        out += kLanes;
    }
    // Reading the last lane back each block would keep the lanes in memory; one
    // leap at the end is cheaper.
    return {GeneratorLeap::Steps(blocks * kLanes).Apply(state), unrecoverable};
}

VORTALIS_INLINE ShiftOutcome ShiftWholeBlocks(const std::uint8_t* in, std::uint8_t* out,
                                              std::size_t blocks, std::uint32_t state,
                                              std::uint32_t length, OffsetKind kind,
                                              bool encipher) {
    if (kind == OffsetKind::Narrow) {
        return encipher
                   ? ShiftLaneBlocks<OffsetKind::Narrow, true>(in, out, blocks, state, length)
                   : ShiftLaneBlocks<OffsetKind::Narrow, false>(in, out, blocks, state, length);
    }
    return encipher ? ShiftLaneBlocks<OffsetKind::Wide, true>(in, out, blocks, state, length)
                    : ShiftLaneBlocks<OffsetKind::Wide, false>(in, out, blocks, state, length);
}

ShiftOutcome ShiftWholeBlocksBaseline(const std::uint8_t* in, std::uint8_t* out, std::size_t blocks,
                                      std::uint32_t state, std::uint32_t length, OffsetKind kind,
                                      bool encipher) {
    return ShiftWholeBlocks(in, out, blocks, state, length, kind, encipher);
}

#if VORTALIS_HAS_VECTOR_KERNELS
VORTALIS_TARGET_AVX2 ShiftOutcome ShiftWholeBlocksAvx2(const std::uint8_t* in, std::uint8_t* out,
                                                       std::size_t blocks, std::uint32_t state,
                                                       std::uint32_t length, OffsetKind kind,
                                                       bool encipher) {
    return ShiftWholeBlocks(in, out, blocks, state, length, kind, encipher);
}

// AVX-512's byte and word forms narrow the lanes to bytes in far fewer steps.
VORTALIS_TARGET_AVX512 ShiftOutcome ShiftWholeBlocksAvx512(const std::uint8_t* in,
                                                           std::uint8_t* out, std::size_t blocks,
                                                           std::uint32_t state,
                                                           std::uint32_t length, OffsetKind kind,
                                                           bool encipher) {
    return ShiftWholeBlocks(in, out, blocks, state, length, kind, encipher);
}
#endif

// One byte at a time, for the tail of a run and for passwords too long for the lanes.
ShiftOutcome ShiftOneByOne(const std::uint8_t* in, std::uint8_t* out, std::size_t count,
                           std::uint32_t state, std::uint64_t length, bool encipher) {
    std::uint64_t unrecoverable = 0;
    for (std::size_t i = 0; i < count; ++i) {
        state = ShiftGenerator::Step(state);
        const std::uint64_t exact = (std::uint64_t{state} * length) >> 24;
        const std::uint32_t offset =
            exact == 0 ? 0 : static_cast<std::uint32_t>((exact - 1) % 255 + 1);
        out[i] = ShiftByte(in[i], offset, encipher, unrecoverable);
    }
    return {state, unrecoverable};
}

}  // namespace

bool ShiftKernelAvailable(ShiftKernel kernel) {
#if VORTALIS_HAS_VECTOR_KERNELS
    if (kernel == ShiftKernel::Avx2) return __builtin_cpu_supports("avx2");
    if (kernel == ShiftKernel::Avx512) {
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
               __builtin_cpu_supports("avx512vl");
    }
#endif
    return kernel == ShiftKernel::Baseline;
}

ShiftKernel BestShiftKernel() {
    static const ShiftKernel best = [] {
        for (ShiftKernel kernel : {ShiftKernel::Avx512, ShiftKernel::Avx2}) {
            if (ShiftKernelAvailable(kernel)) return kernel;
        }
        return ShiftKernel::Baseline;
    }();
    return best;
}

const char* ShiftKernelName(ShiftKernel kernel) {
    switch (kernel) {
        case ShiftKernel::Baseline:
            return VORTALIS_HAS_VECTOR_KERNELS ? "SSE2" : "Baseline";
        case ShiftKernel::Avx2:
            return "AVX2";
        case ShiftKernel::Avx512:
            return "AVX512";
    }
    return "Unknown";
}

ShiftOutcome ShiftBytes(const std::uint8_t* in, std::uint8_t* out, std::size_t count,
                        std::uint32_t state, std::uint64_t passwordLength, bool encipher) {
    return ShiftBytesWith(BestShiftKernel(), in, out, count, state, passwordLength, encipher);
}

ShiftOutcome ShiftBytesWith(ShiftKernel kernel, const std::uint8_t* in, std::uint8_t* out,
                            std::size_t count, std::uint32_t state, std::uint64_t passwordLength,
                            bool encipher) {
    ShiftOutcome outcome{state, 0};
    if (passwordLength < kWideLengthLimit) {
        const auto kind =
            passwordLength <= kNarrowLengthLimit ? OffsetKind::Narrow : OffsetKind::Wide;
        const std::size_t blocks = count / kLanes;
        if (blocks != 0) {
            const auto length = static_cast<std::uint32_t>(passwordLength);
#if VORTALIS_HAS_VECTOR_KERNELS
            if (kernel == ShiftKernel::Avx512) {
                outcome = ShiftWholeBlocksAvx512(in, out, blocks, state, length, kind, encipher);
            } else if (kernel == ShiftKernel::Avx2) {
                outcome = ShiftWholeBlocksAvx2(in, out, blocks, state, length, kind, encipher);
            } else
#endif
            {
                outcome = ShiftWholeBlocksBaseline(in, out, blocks, state, length, kind, encipher);
            }
        }
        const std::size_t done = blocks * kLanes;
        in += done;
        out += done;
        count -= done;
    }
    const ShiftOutcome tail =
        ShiftOneByOne(in, out, count, outcome.state, passwordLength, encipher);
    return {tail.state, outcome.unrecoverable + tail.unrecoverable};
}

}  // namespace vortalis
