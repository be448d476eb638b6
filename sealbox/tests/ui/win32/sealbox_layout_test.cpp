#include "sealbox/ui/win32/sealbox_layout.h"

#include <gtest/gtest.h>

namespace vortalis::sealbox::win32_ui {
namespace {

struct Box {
    LONG left, top, width, height;
    bool operator==(const Box&) const = default;
};

Box Of(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void PrintTo(const Box& box, std::ostream* out) {
    *out << box.left << "," << box.top << " " << box.width << "x" << box.height;
}

TEST(SealboxLayoutTest, AtNinetySixDotsPerInchFifteenTwipsMakeAPixel) {
    const SealboxLayout layout = SealboxLayoutAt(96);
    EXPECT_EQ(layout.client.cx, 394);
    EXPECT_EQ(layout.client.cy, 365);
    EXPECT_EQ(Of(layout[SealboxPart::Text2]), (Box{14, 21, 365, 19}));
    EXPECT_EQ(Of(layout[SealboxPart::Dir1]), (Box{196, 49, 183, 126}));
    EXPECT_EQ(Of(layout[SealboxPart::Command1_1]), (Box{105, 77, 78, 43}));
    EXPECT_EQ(Of(layout[SealboxPart::Label1]), (Box{21, 287, 83, 13}));
    EXPECT_EQ(Of(layout[SealboxPart::ProgressBar1]), (Box{14, 329, 365, 22}));
    EXPECT_EQ(Of(layout[SealboxPart::Picture1]), (Box{0, 0, 0, 0}));
}

TEST(SealboxLayoutTest, AtTwiceTheDensityEveryPlaceIsTwiceAsFarAndAsLarge) {
    const SealboxLayout single = SealboxLayoutAt(96);
    const SealboxLayout doubled = SealboxLayoutAt(192);
    EXPECT_EQ(doubled.client.cx, 2 * single.client.cx);
    EXPECT_EQ(doubled.client.cy, 2 * single.client.cy);
    for (std::size_t part = 0; part < kSealboxPartCount; ++part) {
        const Box one = Of(single.places[part]);
        // Whole twips at 7.5 a pixel may round half a pixel either way.
        const Box two = Of(doubled.places[part]);
        SCOPED_TRACE(part);
        EXPECT_NEAR(two.left, 2 * one.left, 1);
        EXPECT_NEAR(two.top, 2 * one.top, 1);
        EXPECT_NEAR(two.width, 2 * one.width, 1);
        EXPECT_NEAR(two.height, 2 * one.height, 1);
    }
    EXPECT_EQ(Of(doubled[SealboxPart::Text1]), (Box{28, 602, 730, 38}));
}

TEST(SealboxLayoutTest, EveryControlLiesInsideTheClientArea) {
    for (const int dpi : {96, 120, 144, 192}) {
        const SealboxLayout layout = SealboxLayoutAt(dpi);
        for (const RECT& place : layout.places) {
            SCOPED_TRACE(dpi);
            EXPECT_GE(place.left, 0);
            EXPECT_GE(place.top, 0);
            EXPECT_LE(place.right, layout.client.cx);
            EXPECT_LE(place.bottom, layout.client.cy);
        }
    }
}

}  // namespace
}  // namespace vortalis::sealbox::win32_ui
