#pragma once

#include <cstdint>

#include "sealbox/core/paced_pump.h"
#include "sealbox/core/sealbox_view.h"
#include "sealbox/core/transform_file.h"

namespace vortalis::sealbox {

// Feeds ProgressBar1 from a file transform. A range too wide for the bar's
// whole numbers is divided down, and the value is set only when the fill would
// move by a pixel, and at the end: drawing every block would slow a large file.
// Meanwhile the window gets its turns, paced, bar moving or not.
class ProgressBarFeed : public TransformProgress {
  public:
    explicit ProgressBarFeed(SealboxView& view);

    void Begin(std::uint64_t minimum, std::uint64_t maximum) override;
    void Step() override;
    void KeepAlive() override { pump_.Tick(); }

  private:
    void Show();

    SealboxView& view_;
    PacedPump pump_;
    std::uint64_t maximum_ = 0;
    std::uint64_t value_ = 0;
    std::uint64_t scale_ = 1;   // a range too wide for the bar is divided down
    std::uint64_t stride_ = 1;  // steps between two visible moves of the fill
    std::uint64_t untilShown_ = 1;
};

}  // namespace vortalis::sealbox
