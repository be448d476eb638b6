#include "cipher/shift_generator.h"

#include <bit>

namespace vortalis {

void ShiftGenerator::Randomize(double seed) {
    const auto bits = std::bit_cast<std::uint64_t>(seed);
    const auto high = static_cast<std::int32_t>(static_cast<std::uint32_t>(bits >> 32));
    const auto folded = static_cast<std::uint32_t>((high & 0xFFFF) ^ (high >> 16));
    state_ = (folded << 8) & kStateMask;
}

double ShiftGenerator::Rnd() { return NextState() / kScale; }

GeneratorLeap GeneratorLeap::Steps(std::uint64_t count) {
    // Square-and-multiply over affine maps: x -> a*x + c composed with itself.
    GeneratorLeap result;
    GeneratorLeap power{ShiftGenerator::kMultiplier, ShiftGenerator::kIncrement};
    for (; count != 0; count >>= 1) {
        if (count & 1u) result = result.Then(power);
        power = power.Then(power);
    }
    return result;
}

std::uint32_t StepsFromZero(std::uint32_t state) {
    // The low k bits of the states repeat every 2^k steps, and 2^k steps flip
    // bit k: so the answer is found bit by bit, from the lowest up.
    std::uint32_t steps = 0;
    std::uint32_t reached = 0;
    GeneratorLeap leap = GeneratorLeap::Steps(1);
    for (std::uint32_t bit = 1; bit < ShiftGenerator::kPeriod; bit <<= 1) {
        if ((reached ^ state) & bit) {
            reached = leap.Apply(reached);
            steps |= bit;
        }
        leap = leap.Then(leap);
    }
    return steps;
}

}  // namespace vortalis
