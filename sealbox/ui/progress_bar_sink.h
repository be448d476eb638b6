#pragma once

#include <QProgressBar>
#include <cstdint>

#include "sealbox/core/transform_file.h"

namespace vortalis {

// Drives a progress bar from a file transform that runs inside a click handler:
// the bar is redrawn only when its fill would move, and only the window's own
// drawing gets a turn meanwhile, never a click or a key.
class ProgressBarSink : public TransformProgress {
  public:
    explicit ProgressBarSink(QProgressBar& bar) : bar_(bar) {}

    void Begin(std::uint64_t minimum, std::uint64_t maximum) override;
    void Step() override;

  private:
    void Show();

    QProgressBar& bar_;
    std::uint64_t maximum_ = 0;
    std::uint64_t value_ = 0;
    std::uint64_t scale_ = 1;   // a range too wide for the bar is divided down
    std::uint64_t stride_ = 1;  // steps between two visible moves of the fill
    std::uint64_t untilShown_ = 1;
};

}  // namespace vortalis
