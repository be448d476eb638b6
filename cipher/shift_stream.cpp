#include "cipher/shift_stream.h"

#include <algorithm>

#include "cipher/period_shift_kernel.h"
#include "cipher/shift_generator.h"

namespace vortalis {

void ShiftStream::Start(std::uint32_t state, std::uint64_t passwordLength, bool encipher) {
    if (offsets_ && offsets_->PasswordLength() != passwordLength) offsets_.reset();
    passwordLength_ = passwordLength;
    encipher_ = encipher;
    state_ = state;
    computed_ = 0;
    position_.reset();
}

std::uint64_t ShiftStream::Shift(const std::uint8_t* in, std::uint8_t* out, std::size_t count) {
    std::uint64_t unrecoverable = 0;
    if (!position_) {
        const std::size_t computed =
            std::min<std::uint64_t>(count, PeriodOffsets::kPeriod - computed_);
        const ShiftOutcome outcome =
            ShiftBytesWith(kernel_, in, out, computed, state_, passwordLength_, encipher_);
        state_ = outcome.state;
        unrecoverable = outcome.unrecoverable;
        computed_ += computed;
        in += computed;
        out += computed;
        count -= computed;
        if (count == 0) return unrecoverable;
        if (!ReachTable()) return unrecoverable + Shift(in, out, count);
    }
    unrecoverable += ShiftBytesFromTable(kernel_, *offsets_, in, out, count, *position_, encipher_);
    *position_ = static_cast<std::uint32_t>((*position_ + count) % PeriodOffsets::kPeriod);
    return unrecoverable;
}

bool ShiftStream::ReachTable() {
    if (!offsets_) offsets_ = PeriodOffsets::Build(passwordLength_, kernel_);
    if (!offsets_) {
        // Without the memory the pass goes on computing, and tries again a cycle later.
        computed_ = 0;
        return false;
    }
    position_ = (StepsFromZero(state_) + 1) % PeriodOffsets::kPeriod;
    return true;
}

std::uint32_t ShiftStream::State() const {
    if (!position_) return state_;
    const std::uint32_t last = (*position_ + PeriodOffsets::kPeriod - 1) % PeriodOffsets::kPeriod;
    return GeneratorLeap::Steps(last).Apply(0);
}

}  // namespace vortalis
