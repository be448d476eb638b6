#pragma once

#include "sealbox/core/sealbox_services.h"

namespace vortalis::sealbox {

// The volumes the system has mounted that hold folders (not single files mounted
// on their own), each named once.
class MountedVolumes : public VolumeList {
  public:
    std::vector<std::string> MountPoints() override;
};

}  // namespace vortalis::sealbox
