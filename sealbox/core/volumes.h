#pragma once

#include <string>
#include <vector>

namespace vortalis::sealbox {

// The mounted volume that holds `folder`: the longest mount point that is the
// folder itself or one of its parents (the folder's root, "/" or "C:\", when no
// other one is).
std::string VolumeHolding(const std::string& folder, const std::vector<std::string>& mountPoints);

// `drive` as the drive list `drives` names it, added at its end when it is not
// listed (a folder's root that no mounted volume holds, a network share).
std::string ListedDrive(std::vector<std::string>& drives, const std::string& drive);

}  // namespace vortalis::sealbox
