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
        if (count & 1u) {
            result = {(power.multiplier * result.multiplier) & ShiftGenerator::kStateMask,
                      power.Apply(result.increment)};
        }
        power = {(power.multiplier * power.multiplier) & ShiftGenerator::kStateMask,
                 power.Apply(power.increment)};
    }
    return result;
}

}  // namespace vortalis
