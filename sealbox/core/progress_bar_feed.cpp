#include "sealbox/core/progress_bar_feed.h"

#include <algorithm>
#include <limits>

namespace vortalis::sealbox {

ProgressBarFeed::ProgressBarFeed(SealboxView& view)
    : view_(view), pump_([&view] { view.ProcessNonInputEvents(); }) {}

void ProgressBarFeed::Begin(std::uint64_t minimum, std::uint64_t maximum) {
    constexpr auto kWidest = static_cast<std::uint64_t>(std::numeric_limits<int>::max());
    maximum_ = maximum;
    value_ = minimum;
    scale_ = maximum / kWidest + 1;
    view_.SetProgressBar1Range(static_cast<int>(minimum / scale_),
                               static_cast<int>(maximum / scale_));
    const auto pixels = static_cast<std::uint64_t>(std::max(view_.ProgressBar1Width(), 1));
    stride_ = std::max<std::uint64_t>(1, (maximum - minimum) / pixels);
    untilShown_ = stride_;
    Show();
}

void ProgressBarFeed::Step() {
    if (value_ >= maximum_) return;
    ++value_;
    if (--untilShown_ == 0 || value_ == maximum_) {
        untilShown_ = stride_;
        Show();
    }
}

void ProgressBarFeed::Show() { view_.SetProgressBar1Value(static_cast<int>(value_ / scale_)); }

}  // namespace vortalis::sealbox
