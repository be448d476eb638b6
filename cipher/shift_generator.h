#pragma once

#include <cstdint>

namespace vortalis {

// The seeded generator the cipher draws its offsets from: a 24-bit linear
// congruential generator. Enciphered files already exist that rest on this exact
// sequence, so none of its constants or its seeding may change.
class ShiftGenerator {
  public:
    static constexpr std::uint32_t kMultiplier = 1140671485u;
    static constexpr std::uint32_t kIncrement = 12820163u;
    static constexpr std::uint32_t kStateMask = 0xFFFFFFu;
    static constexpr double kScale = 16777216.0;  // 2^24
    // The multiplier is 1 modulo 4 and the increment odd: every 24-bit state
    // comes once in a cycle of 2^24 steps, whatever the seed.
    static constexpr std::uint32_t kPeriod = 1u << 24;

    // Seeds from the number's double-precision form; the previous state plays no part.
    void Randomize(double seed);

    // The next value r, 0 <= r < 1 (exact: a 24-bit state over 2^24).
    double Rnd();

    // Advances one step and returns the new 24-bit state.
    std::uint32_t NextState() { return state_ = Step(state_); }

    std::uint32_t State() const { return state_; }
    void SetState(std::uint32_t state) { state_ = state & kStateMask; }

    static constexpr std::uint32_t Step(std::uint32_t state) {
        return (state * kMultiplier + kIncrement) & kStateMask;
    }

  private:
    std::uint32_t state_ = 0;
};

// k steps of the generator as one affine map: state -> multiplier * state + increment
// (mod 2^24). Lets several states be stepped side by side, each leaping ahead.
struct GeneratorLeap {
    std::uint32_t multiplier = 1;
    std::uint32_t increment = 0;

    static GeneratorLeap Steps(std::uint64_t count);

    constexpr std::uint32_t Apply(std::uint32_t state) const {
        return (state * multiplier + increment) & ShiftGenerator::kStateMask;
    }

    // These steps, then `next`'s.
    constexpr GeneratorLeap Then(const GeneratorLeap& next) const {
        return {(next.multiplier * multiplier) & ShiftGenerator::kStateMask, next.Apply(increment)};
    }
};

// How many steps lead from state 0 to `state`, 0 <= n < kPeriod: a state's place
// in the one cycle all seeds share.
std::uint32_t StepsFromZero(std::uint32_t state);

}  // namespace vortalis
