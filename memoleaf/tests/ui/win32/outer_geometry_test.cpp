#include "memoleaf/ui/win32/outer_geometry.h"

#include <gtest/gtest.h>

namespace vortalis::memoleaf::win32_ui {
namespace {

TEST(OuterGeometry, StoredTwipsBecomeTheWindowsPixelsAndComeBackAt96Dpi) {
    const RECT pixels = PixelsOfTwips({3000, 1500, 4500, 6000}, 96);
    EXPECT_EQ(pixels.left, 200);
    EXPECT_EQ(pixels.top, 100);
    EXPECT_EQ(pixels.right, 500);
    EXPECT_EQ(pixels.bottom, 500);
    EXPECT_EQ(TwipsOfPixels(pixels, 96), (DesktopRect{3000, 1500, 4500, 6000}));
}

TEST(OuterGeometry, TwiceTheDensityGivesTwiceThePixelsForTheSameTwips) {
    const RECT pixels = PixelsOfTwips({3000, 1500, 4500, 6000}, 192);
    EXPECT_EQ(pixels.left, 400);
    EXPECT_EQ(pixels.top, 200);
    EXPECT_EQ(pixels.right - pixels.left, 600);
    EXPECT_EQ(pixels.bottom - pixels.top, 800);
    EXPECT_EQ(TwipsOfPixels(pixels, 192), (DesktopRect{3000, 1500, 4500, 6000}));
}

// The size must not depend on where the rounding of the left edge fell: a note
// one twip from the screen's edge (the first run's place) keeps 5000 twips.
TEST(OuterGeometry, TheSizeIsRoundedOnItsOwnNotFromTheFarEdge) {
    const RECT pixels = PixelsOfTwips({8, 8, 4995, 4995}, 96);
    EXPECT_EQ(pixels.right - pixels.left, 333);
    EXPECT_EQ(pixels.bottom - pixels.top, 333);
}

TEST(OuterGeometry, AWindowPartlyOffTheScreenKeepsItsNegativeEdges) {
    EXPECT_EQ(TwipsOfPixels({-20, -5, 280, 395}, 96), (DesktopRect{-300, -75, 4500, 6000}));
    const RECT pixels = PixelsOfTwips({-300, -75, 4500, 6000}, 96);
    EXPECT_EQ(pixels.left, -20);
    EXPECT_EQ(pixels.top, -5);
}

}  // namespace
}  // namespace vortalis::memoleaf::win32_ui
