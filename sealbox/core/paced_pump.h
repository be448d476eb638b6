#pragma once

#include <chrono>
#include <functional>

namespace vortalis::sealbox {

// Gives the window its turn in the middle of a long transform, whether the bar
// moves or not: the pump runs once the interval has passed since its last turn
// (or since the transform began). Often enough that the window repaints and
// answers the system, which calls a window hung after five seconds without;
// seldom enough that the transform hardly pays for it.
class PacedPump {
  public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // Turns at most 100 ms apart: the interval, plus the slice a wait on the
    // disk takes and a chunk's transform, before the next tick comes.
    static constexpr std::chrono::milliseconds kInterval{80};

    explicit PacedPump(
        std::function<void()> pump, Clock clock = [] { return std::chrono::steady_clock::now(); });

    // The transform is still at work: the pump runs if its turn has come.
    void Tick();

  private:
    std::function<void()> pump_;
    Clock clock_;
    std::chrono::steady_clock::time_point lastTurn_;
};

}  // namespace vortalis::sealbox
