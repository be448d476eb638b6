#include "memoleaf/core/screen_placement.h"

#include <gtest/gtest.h>

#include <vector>

namespace vortalis::memoleaf {
namespace {

const std::vector<DesktopRect> kTwoScreens = {{0, 0, 19200, 15360}, {19200, 0, 19200, 15360}};
const DesktopRect kPrimary = kTwoScreens[0];

TEST(PlaceOnAScreen, LeavesAWindowThatMeetsAnyScreenWhereItWas) {
    const DesktopRect onSecond{25000, 1000, 5000, 5000};
    const DesktopRect partlyOff{-4000, -60, 5000, 5000};
    EXPECT_EQ(PlaceOnAScreen(onSecond, kTwoScreens, kPrimary), onSecond);
    EXPECT_EQ(PlaceOnAScreen(partlyOff, kTwoScreens, kPrimary), partlyOff);
}

TEST(PlaceOnAScreen, MovesAWindowOnAScreenThatHasGoneToThePrimaryKeepingItsSize) {
    const DesktopRect onGoneScreen{40000, 2000, 5000, 3000};
    EXPECT_EQ(PlaceOnAScreen(onGoneScreen, kTwoScreens, kPrimary), (DesktopRect{0, 0, 5000, 3000}));
    const DesktopRect justBeyond{-5000, 100, 5000, 3000};
    EXPECT_EQ(PlaceOnAScreen(justBeyond, kTwoScreens, kPrimary), (DesktopRect{0, 0, 5000, 3000}));
}

}  // namespace
}  // namespace vortalis::memoleaf
