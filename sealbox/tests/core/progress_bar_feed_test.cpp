#include "sealbox/core/progress_bar_feed.h"

#include <gtest/gtest.h>

#include <limits>

#include "sealbox/tests/core/fake_sealbox_view.h"

namespace vortalis::sealbox {
namespace {

class ProgressBarFeedTest : public ::testing::Test {
  protected:
    // The share of the bar the fill covers.
    double Filled() const {
        return static_cast<double>(view.progressValue - view.progressMinimum) /
               (view.progressMaximum - view.progressMinimum);
    }
    void Steps(std::uint64_t count) {
        for (std::uint64_t i = 0; i < count; ++i) feed.Step();
    }

    testing::FakeSealboxView view;  // a bar 365 pixels wide
    ProgressBarFeed feed{view};
};

TEST_F(ProgressBarFeedTest, ASmallRangeIsShownAsItIsStepByStepAndStopsFull) {
    feed.Begin(1, 3);
    EXPECT_EQ(view.progressMinimum, 1);
    EXPECT_EQ(view.progressMaximum, 3);
    EXPECT_EQ(view.progressValue, 1);

    Steps(2);
    EXPECT_EQ(view.progressValue, 3);
    EXPECT_EQ(view.progressValuesSet, 3);

    Steps(1);  // a step too many does not pass the end
    EXPECT_EQ(view.progressValue, 3);
}

TEST_F(ProgressBarFeedTest, ARangeWiderThanTheBarIsDrawnAPixelApartAndEndsFull) {
    feed.Begin(1, 1'000'000);
    Steps(999'999);

    EXPECT_EQ(view.progressMinimum, 1);
    EXPECT_EQ(view.progressMaximum, 1'000'000);
    EXPECT_EQ(view.progressValue, 1'000'000);
    EXPECT_GE(view.progressValuesSet, view.progressWidth);
    EXPECT_LE(view.progressValuesSet, view.progressWidth + 2);
}

TEST_F(ProgressBarFeedTest, FiveBillionBlocksFitTheBarAndFillItAPixelAtATime) {
    // A file of some 2.5 TB: more blocks than the bar has whole numbers.
    const std::uint64_t maximum = 5'000'000'000;
    feed.Begin(1, maximum);
    EXPECT_LE(view.progressMaximum, std::numeric_limits<int>::max());
    EXPECT_GT(view.progressMaximum, std::numeric_limits<int>::max() / 2);
    EXPECT_EQ(view.progressValue, view.progressMinimum);

    // One pixel's worth of blocks: not drawn until the last of them, then one
    // pixel of the bar filled.
    const std::uint64_t pixel = (maximum - 1) / static_cast<std::uint64_t>(view.progressWidth);
    Steps(pixel - 1);
    EXPECT_EQ(view.progressValuesSet, 1);
    Steps(1);
    EXPECT_EQ(view.progressValuesSet, 2);
    EXPECT_NEAR(Filled(), 1.0 / view.progressWidth, 1e-6);

    Steps(pixel);
    EXPECT_NEAR(Filled(), 2.0 / view.progressWidth, 1e-6);
}

}  // namespace
}  // namespace vortalis::sealbox
