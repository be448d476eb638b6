#pragma once

#include "sealbox/core/sealbox_services.h"

namespace vortalis::sealbox {

// Plays the end sound with Qt Multimedia, from a module opened only then, and waits
// for it, three seconds at most. Without the file, the module or an audio output
// it returns at once, without a word.
class QtEndSound : public EndSound {
  public:
    void SetFileName(const std::filesystem::path& file) override { file_ = file; }
    void Play() override;

  private:
    std::filesystem::path file_;
};

}  // namespace vortalis::sealbox
