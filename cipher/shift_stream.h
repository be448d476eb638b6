#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "cipher/period_offsets.h"
#include "cipher/shift_kernel.h"

namespace vortalis {

// One pass of the cipher's shifts, however its bytes are cut into calls. The
// first cycle of the generator (2^24 bytes) is computed as it is drawn, so that
// short files cost no table; a pass that goes past it builds the cycle's offsets
// once (PeriodOffsets) and reads every later byte's offset from them. The
// table is kept for later passes with a password of the same length.
class ShiftStream {
  public:
    explicit ShiftStream(ShiftKernel kernel = BestShiftKernel()) : kernel_(kernel) {}

    // `state` is the generator's before the pass's first draw.
    void Start(std::uint32_t state, std::uint64_t passwordLength, bool encipher);

    // `out` may be `in`. Returns the plain bytes 255 enciphered with a non-zero
    // offset.
    std::uint64_t Shift(const std::uint8_t* in, std::uint8_t* out, std::size_t count);

    // The generator's state after the last draw.
    std::uint32_t State() const;

    // What the table holds in memory: 0 until a pass has gone past one cycle.
    std::size_t TableBytes() const { return offsets_ ? offsets_->MemoryBytes() : 0; }

  private:
    bool ReachTable();

    ShiftKernel kernel_;
    std::uint64_t passwordLength_ = 0;
    bool encipher_ = true;
    std::uint32_t state_ = 0;
    std::uint64_t computed_ = 0;  // draws computed since Start, at most one cycle
    // On the table: where the next draw lies in the cycle.
    std::optional<std::uint32_t> position_;
    std::unique_ptr<const PeriodOffsets> offsets_;
};

}  // namespace vortalis
