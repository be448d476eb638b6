#include "memoleaf/ui/win32/desktop_twips.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>

// Beside RECT, where the test's comparisons look for them.
static bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
static void PrintTo(const RECT& r, std::ostream* out) {
    *out << '{' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << '}';
}

namespace vortalis::memoleaf::win32_ui {
namespace {

constexpr Monitor kAt96{{0, 0, 1920, 1080}, 96};

TEST(DesktopTwips, StoredTwipsBecomeTheWindowsPixelsAndComeBackAt96Dpi) {
    const RECT pixels = PixelsOfTwips({3000, 1500, 4500, 6000}, kAt96);
    EXPECT_EQ(pixels, (RECT{200, 100, 500, 500}));
    EXPECT_EQ(TwipsOfPixels(pixels, kAt96), (DesktopRect{3000, 1500, 4500, 6000}));
}

TEST(DesktopTwips, TwiceTheDensityGivesTwiceThePixelsForTheSameTwips) {
    const Monitor at192{{0, 0, 3840, 2160}, 192};
    const RECT pixels = PixelsOfTwips({3000, 1500, 4500, 6000}, at192);
    EXPECT_EQ(pixels, (RECT{400, 200, 1000, 1000}));
    EXPECT_EQ(TwipsOfPixels(pixels, at192), (DesktopRect{3000, 1500, 4500, 6000}));
}

// One screen reads as the note always read it, at 150 % as at 100 %.
TEST(DesktopTwips, OneScreenAt144DpiScalesPlaceAndSizeAlike) {
    const Monitor at144{{0, 0, 2880, 1800}, 144};
    EXPECT_EQ(PixelsOfTwips({3000, 1500, 4500, 6000}, at144), (RECT{300, 150, 750, 750}));
    EXPECT_EQ(TwipsOfPixels({300, 150, 750, 750}, at144), (DesktopRect{3000, 1500, 4500, 6000}));
}

// The size must not depend on where the rounding of the left edge fell: a note
// one twip from the screen's edge (the first run's place) keeps 5000 twips.
TEST(DesktopTwips, TheSizeIsRoundedOnItsOwnNotFromTheFarEdge) {
    const RECT pixels = PixelsOfTwips({8, 8, 4995, 4995}, kAt96);
    EXPECT_EQ(pixels.right - pixels.left, 333);
    EXPECT_EQ(pixels.bottom - pixels.top, 333);
}

TEST(DesktopTwips, AWindowPartlyOffTheScreenKeepsItsNegativeEdges) {
    EXPECT_EQ(TwipsOfPixels({-20, -5, 280, 395}, kAt96), (DesktopRect{-300, -75, 4500, 6000}));
    EXPECT_EQ(PixelsOfTwips({-300, -75, 4500, 6000}, kAt96), (RECT{-20, -5, 280, 395}));
}

// A laptop at 150 % (144 dpi), listed first, and on its right the primary
// screen at 100 % (96 dpi): in twips, [-43200, -14400) and [0, 28800) across.
constexpr std::array<Monitor, 2> kLaptopAndScreen{Monitor{{-2880, 0, 0, 1800}, 144},
                                                  Monitor{{0, 0, 1920, 1080}, 96}};
constexpr std::array<RECT, 2> kWorkAreas{RECT{-2880, 0, 0, 1740}, RECT{0, 0, 1920, 1040}};

// Saved from where the window is, then placed at the next start.
RECT SavedAndPlacedBack(const RECT& window) {
    const DesktopRect saved = TwipsOfPixels(window, MonitorHolding(window, kLaptopAndScreen));
    const std::array<DesktopRect, 2> areas{TwipsOfPixels(kWorkAreas[0], kLaptopAndScreen[0]),
                                           TwipsOfPixels(kWorkAreas[1], kLaptopAndScreen[1])};
    const DesktopRect placed = PlaceOnAScreen(saved, areas, areas[1]);
    return PixelsOfTwips(placed, MonitorHolding(placed, kLaptopAndScreen));
}

TEST(DesktopTwips, ANoteSavedOnEitherScreenComesBackThereExactly) {
    const RECT onTheLaptop{-2700, 100, -2100, 700};
    EXPECT_EQ(TwipsOfPixels(onTheLaptop, kLaptopAndScreen[0]),
              (DesktopRect{-41400, 1000, 6000, 6000}));
    for (const RECT& window : {onTheLaptop, RECT{-600, 1000, 0, 1740}, RECT{10, 10, 650, 900},
                               RECT{1400, 500, 1920, 1040}}) {
        EXPECT_EQ(SavedAndPlacedBack(window), window);
    }
}

TEST(DesktopTwips, ANoteAcrossTheBorderTakesTheScaleOfTheScreenItMostlyCovers) {
    const RECT mostlyRight{-100, 100, 200, 400};
    EXPECT_EQ(MonitorHolding(mostlyRight, kLaptopAndScreen).dpi, 96);
    EXPECT_EQ(SavedAndPlacedBack(mostlyRight), mostlyRight);
    const RECT mostlyLeft{-200, 100, 100, 400};
    EXPECT_EQ(MonitorHolding(mostlyLeft, kLaptopAndScreen).dpi, 144);
    EXPECT_EQ(SavedAndPlacedBack(mostlyLeft), mostlyLeft);
}

// As the system does for a place on no screen: the nearest screen takes it.
TEST(DesktopTwips, APlaceOnNoScreenGoesToTheNearest) {
    EXPECT_EQ(MonitorHolding(RECT{3000, 500, 3000, 500}, kLaptopAndScreen).dpi, 96);
    EXPECT_EQ(MonitorHolding(RECT{-2000, 2500, -1700, 2800}, kLaptopAndScreen).dpi, 144);
    // The corner of a window of no size on the border lies on the screen it starts.
    EXPECT_EQ(MonitorHolding(RECT{0, 10, 0, 10}, kLaptopAndScreen).dpi, 96);
    // Between the screens in twips: nearer the laptop's edge, or the other's.
    EXPECT_EQ(MonitorHolding(DesktopRect{-13000, 1500, 4500, 6000}, kLaptopAndScreen).dpi, 144);
    EXPECT_EQ(MonitorHolding(DesktopRect{-6000, 1500, 4500, 6000}, kLaptopAndScreen).dpi, 96);
}

}  // namespace
}  // namespace vortalis::memoleaf::win32_ui
