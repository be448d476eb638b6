#include "memoleaf/core/note_layout.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace vortalis::memoleaf
