#pragma once

#include "sealbox/core/sealbox_services.h"

namespace vortalis::sealbox {

// Plays the end sound through the system's wave player and returns when it has
// ended; at once, in silence, without the file or a sound device.
class WindowsEndSound : public EndSound {
  public:
    void SetFileName(const std::filesystem::path& file) override { file_ = file; }
    void Play() override;

  private:
    std::filesystem::path file_;
};

}  // namespace vortalis::sealbox
