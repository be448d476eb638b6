#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sealbox/core/sealbox_services.h"

namespace vortalis::sealbox {

// The system's drives by their roots ("C:\", "Z:\"), ready or not: a drive
// without a medium is listed, and saying so is the folder list's job.
class LogicalDrives : public VolumeList {
  public:
    std::vector<std::string> MountPoints() override;
};

// The roots in the system's list of drives: each ends with a nul, the list
// with another.
std::vector<std::string> DriveRoots(std::wstring_view driveStrings);

}  // namespace vortalis::sealbox
