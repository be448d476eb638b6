#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "cipher/modulo_255_shift.h"
#include "cipher/shift_generator.h"
#include "cipher/shift_kernel.h"

namespace vortalis {

// The offsets of every draw of the generator's cycle for one password length,
// in the cycle's order from state 0. A byte's offset depends only on the state
// its draw leaves and on the length, and every seed runs through the same cycle
// of 2^24 states: one table serves every password of that length, and a pass
// past one cycle needs no more arithmetic.
//
// Kept compact: cut into 2^bits parts of equal length, the states of part j are
// those of the first part, each moved by a constant that depends only on j and
// on the draw's position modulo 2^(bits-2) (the low bits of the states repeat
// with short periods). So the table holds the first part only, its offsets
// scaled by 2^bits (2^bits * length <= 256 keeps them bytes), and for each part
// the constant to turn them by; the offset is the turned value's top bits.
// Passwords longer than 128 characters have one part of 2^24 exact offsets,
// already folded into 0..255.
class PeriodOffsets {
  public:
    static constexpr std::uint32_t kPeriod = ShiftGenerator::kPeriod;
    // With at most 2^8 parts, a part's turns repeat every 64 positions or less;
    // each part's row holds them for 128 positions, so that the 64 positions
    // from any one on lie in one run.
    static constexpr std::uint32_t kTurnsRepeat = 64;
    static constexpr std::uint32_t kRowBytes = 2 * kTurnsRepeat;
    static constexpr unsigned kMostPartBits = 8;

    // The table built with `kernel`; null when the memory cannot be had.
    static std::unique_ptr<const PeriodOffsets> Build(std::uint64_t passwordLength,
                                                      ShiftKernel kernel);

    // What a table for this length holds: at most 16 MiB and 128 bytes.
    static std::size_t MemoryBytesFor(std::uint64_t passwordLength);

    std::uint64_t PasswordLength() const { return passwordLength_; }
    std::size_t MemoryBytes() const { return MemoryBytesFor(passwordLength_); }

    // The layout, for the kernels.
    unsigned PartBits() const { return partBits_; }
    std::uint32_t PartLength() const { return kPeriod >> partBits_; }
    std::uint8_t Modulus() const { return modulus_; }  // 2^bits * length, modulo 256
    const std::uint8_t* FirstPart() const { return firstPart_.get(); }
    // The turns of the part holding `position`, from that position on.
    const std::uint8_t* Turns(std::uint32_t position) const {
        return turns_.get() + std::size_t{position / PartLength()} * kRowBytes +
               position % kTurnsRepeat;
    }

  private:
    PeriodOffsets(std::uint64_t passwordLength, unsigned partBits);
    bool Allocate();
    void Fill(ShiftKernel kernel);

    std::uint64_t passwordLength_;
    unsigned partBits_;
    std::uint8_t modulus_;
    std::unique_ptr<std::uint8_t[]> firstPart_;
    std::unique_ptr<std::uint8_t[]> turns_;
};

// A scaled offset of the first part turned back by `turn`, modulo the modulus
// (the subtraction wraps as the bytes do when the modulus is 256): the same draw's
// scaled offset in another part. Its top bits are the offset.
VORTALIS_INLINE std::uint8_t TurnScaledOffset(std::uint8_t scaled, std::uint8_t turn,
                                              std::uint8_t modulus) {
    return static_cast<std::uint8_t>(scaled - turn + (scaled < turn ? modulus : 0));
}

}  // namespace vortalis
