#include <gtest/gtest.h>

#include <vector>

#include "memoleaf/core/note_layout.h"
#include "memoleaf/core/screen_placement.h"
#include "memoleaf/core/window_platform.h"

namespace vortalis::memoleaf {
namespace {

const TextAreaSize kEarlier{1234, 567};

TEST(LayoutTextArea, TakesTheMarginsOffTheOuterSize) {
    EXPECT_EQ(LayoutTextArea(5000, 5000, kEarlier), (TextAreaSize{4250, 4650}));
}

TEST(LayoutTextArea, KeepsTheHeightOfAWindowEightHundredTwipsHighOrLower) {
    EXPECT_EQ(LayoutTextArea(800, 5000, kEarlier).height, 1234);
    EXPECT_EQ(LayoutTextArea(801, 5000, kEarlier).height, 51);
    EXPECT_EQ(LayoutTextArea(0, 5000, kEarlier).height, 1234);
}

TEST(LayoutTextArea, KeepsTheWidthOfAWindowFourHundredTwipsWideOrNarrower) {
    EXPECT_EQ(LayoutTextArea(5000, 400, kEarlier).width, 567);
    EXPECT_EQ(LayoutTextArea(5000, 401, kEarlier).width, 51);
}

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

TEST(NeedsX11, OnlyOnAWaylandDesktopThatOffersX11AndWhereNoPlatformIsNamed) {
    EXPECT_TRUE(NeedsX11(nullptr, "wayland-0", ":0"));
    EXPECT_TRUE(NeedsX11("", "wayland-0", ":0"));
    EXPECT_FALSE(NeedsX11("wayland", "wayland-0", ":0")) << "the user's choice stands";
    EXPECT_FALSE(NeedsX11(nullptr, "wayland-0", nullptr)) << "no XWayland to go to";
    EXPECT_FALSE(NeedsX11(nullptr, nullptr, ":0")) << "X11 already";
    EXPECT_FALSE(NeedsX11(nullptr, "", ":0"));
}

}  // namespace
}  // namespace vortalis::memoleaf
