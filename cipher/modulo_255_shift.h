#pragma once

// What both kernels share: one byte moved by one offset with the cipher's
// modulus-255 wrap, and the means to build each kernel for several
// instruction sets.

#include <cstddef>
#include <cstdint>

// On x86-64, AVX2 and AVX-512 copies of a kernel are built beside the baseline
// (SSE2) one, and picked at run time.
#if defined(__GNUC__) && defined(__x86_64__)
#define VORTALIS_HAS_VECTOR_KERNELS 1
#define VORTALIS_INLINE inline __attribute__((always_inline))
// A lambda takes no target of its own: inlined, it is built for its caller's.
#define VORTALIS_INLINE_LAMBDA __attribute__((always_inline))
#define VORTALIS_TARGET_AVX2 __attribute__((target("avx2")))
#define VORTALIS_TARGET_AVX512 __attribute__((target("avx512f,avx512bw,avx512vl")))
#else
#define VORTALIS_HAS_VECTOR_KERNELS 0
#define VORTALIS_INLINE inline
#define VORTALIS_INLINE_LAMBDA
#endif

namespace vortalis {

// `offset` is in 0..255, already folded (see FoldModulo255 in shift_kernel.cpp).
VORTALIS_INLINE std::uint8_t ShiftUp(std::uint8_t plain, std::uint32_t offset) {
    const auto sum = static_cast<std::uint8_t>(plain + offset);
    return static_cast<std::uint8_t>(sum + (sum < plain));  // past 255: one step of -255
}

VORTALIS_INLINE std::uint8_t ShiftDown(std::uint8_t cipher, std::uint32_t offset) {
    const auto difference = static_cast<std::uint8_t>(cipher - offset);
    return static_cast<std::uint8_t>(difference - (cipher < offset));  // below 0: +255
}

// A plain byte 255 moved by a non-zero offset deciphers as 0.
VORTALIS_INLINE bool LosesByte(std::uint8_t plain, std::uint32_t offset) {
    return (plain == 0xFF) & (offset != 0);
}

// One byte either way, counting what it loses.
VORTALIS_INLINE std::uint8_t ShiftByte(std::uint8_t byte, std::uint32_t offset, bool encipher,
                                       std::uint64_t& lost) {
    if (!encipher) return ShiftDown(byte, offset);
    lost += LosesByte(byte, offset);
    return ShiftUp(byte, offset);
}

// A block in place, written so that the compiler vectorises it; returns the bytes
// it lost (kCount < 256 keeps the count a byte, as a vector lane).
template <bool kEncipher, std::size_t kCount>
VORTALIS_INLINE std::uint8_t ShiftBlock(std::uint8_t (&bytes)[kCount],
                                        const std::uint8_t (&offsets)[kCount]) {
    static_assert(kCount < 256);
    std::uint8_t lost = 0;
    for (std::size_t j = 0; j < kCount; ++j) {
        if constexpr (kEncipher) {
            lost = static_cast<std::uint8_t>(lost + LosesByte(bytes[j], offsets[j]));
            bytes[j] = ShiftUp(bytes[j], offsets[j]);
        } else {
            bytes[j] = ShiftDown(bytes[j], offsets[j]);
        }
    }
    return lost;
}

}  // namespace vortalis
