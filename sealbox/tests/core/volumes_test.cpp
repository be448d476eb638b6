#include "sealbox/core/volumes.h"

#include <gtest/gtest.h>

namespace vortalis {
namespace {

TEST(VolumesTest, AFolderLiesOnTheDeepestMountPointAboveIt) {
    const std::vector<std::string> mounts = {"/", "/home", "/home/marie/usb", "/ho"};
    EXPECT_EQ(VolumeHolding("/home/marie/docs", mounts), "/home");
    EXPECT_EQ(VolumeHolding("/home/marie/usb", mounts), "/home/marie/usb");
    EXPECT_EQ(VolumeHolding("/house", mounts), "/");
    EXPECT_EQ(VolumeHolding("/opt", {}), "/");
}

}  // namespace
}  // namespace vortalis
