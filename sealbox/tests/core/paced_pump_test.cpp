#include "sealbox/core/paced_pump.h"

#include <gtest/gtest.h>

namespace vortalis::sealbox {
namespace {

using namespace std::chrono_literals;

TEST(PacedPump, ATurnComesOnceTheIntervalHasPassedSinceTheStartOrTheLastTurnsEnd) {
    std::chrono::steady_clock::time_point now{};
    std::chrono::milliseconds turnLasts{0};
    int turns = 0;
    PacedPump pump(
        [&] {
            ++turns;
            now += turnLasts;
        },
        [&] { return now; });
    const auto tickAfter = [&](std::chrono::milliseconds elapsed) {
        now += elapsed;
        pump.Tick();
        return turns;
    };

    EXPECT_EQ(tickAfter(79ms), 0);
    EXPECT_EQ(tickAfter(1ms), 1);
    EXPECT_EQ(tickAfter(0ms), 1);  // ticks close together: one turn
    EXPECT_EQ(tickAfter(79ms), 1);
    EXPECT_EQ(tickAfter(5s), 2);  // after a long read, with nobody ticking: one turn
    turnLasts = 300ms;            // a turn that repaints a great deal
    EXPECT_EQ(tickAfter(80ms), 3);
    EXPECT_EQ(tickAfter(79ms), 3);
    EXPECT_EQ(tickAfter(1ms), 4);
}

}  // namespace
}  // namespace vortalis::sealbox
