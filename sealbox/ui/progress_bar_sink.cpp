#include "sealbox/ui/progress_bar_sink.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>

namespace vortalis {

void ProgressBarSink::Begin(std::uint64_t minimum, std::uint64_t maximum) {
    constexpr auto kWidest = static_cast<std::uint64_t>(std::numeric_limits<int>::max());
    maximum_ = maximum;
    value_ = minimum;
    scale_ = maximum / kWidest + 1;
    bar_.setMinimum(static_cast<int>(minimum / scale_));
    bar_.setMaximum(static_cast<int>(maximum / scale_));
    const auto pixels = static_cast<std::uint64_t>(std::max(bar_.width(), 1));
    stride_ = std::max<std::uint64_t>(1, (maximum - minimum) / pixels);
    untilShown_ = stride_;
    Show();
}

void ProgressBarSink::Step() {
    if (value_ >= maximum_) return;
    ++value_;
    if (--untilShown_ == 0 || value_ == maximum_) {
        untilShown_ = stride_;
        Show();
    }
}

void ProgressBarSink::Show() {
    bar_.setValue(static_cast<int>(value_ / scale_));
    bar_.repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace vortalis
