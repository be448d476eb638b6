#include "sealbox/core/paced_pump.h"

#include <utility>

namespace vortalis::sealbox {

PacedPump::PacedPump(std::function<void()> pump, Clock clock)
    : pump_(std::move(pump)), clock_(std::move(clock)), lastTurn_(clock_()) {}

void PacedPump::Tick() {
    if (clock_() - lastTurn_ < kInterval) return;
    pump_();
    // Counted from the turn's end: a slow repaint is not followed by another at once.
    lastTurn_ = clock_();
}

}  // namespace vortalis::sealbox
