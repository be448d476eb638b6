#include "sealbox/core/volumes.h"

#include <gtest/gtest.h>

namespace vortalis::sealbox {
namespace {

TEST(VolumesTest, AFolderLiesOnTheDeepestMountPointAboveIt) {
    const std::vector<std::string> mounts = {"/", "/home", "/home/marie/usb", "/ho"};
    EXPECT_EQ(VolumeHolding("/home/marie/docs", mounts), "/home");
    EXPECT_EQ(VolumeHolding("/home/marie/usb", mounts), "/home/marie/usb");
    EXPECT_EQ(VolumeHolding("/house", mounts), "/");
    EXPECT_EQ(VolumeHolding("/opt", {}), "/");
}

TEST(VolumesTest, ADriveIsTakenAsListedOrAddedAtTheEnd) {
    std::vector<std::string> drives = {"/", "/home"};
    EXPECT_EQ(ListedDrive(drives, "/home"), "/home");
    EXPECT_EQ(ListedDrive(drives, "/mnt/cle"), "/mnt/cle");
    EXPECT_EQ(drives, (std::vector<std::string>{"/", "/home", "/mnt/cle"}));
#ifdef _WIN32
    drives = {"C:\\", "Z:\\"};
    EXPECT_EQ(ListedDrive(drives, "c:\\"), "C:\\");  // one drive, in either case
    EXPECT_EQ(drives.size(), 2u);
#endif
}

#ifdef _WIN32
TEST(VolumesTest, AFolderLiesOnItsDriveAndOnItsOwnRootWhenNoDriveHoldsIt) {
    const std::vector<std::string> drives = {"C:\\", "Z:\\"};
    EXPECT_EQ(VolumeHolding("C:\\Users\\marie", drives), "C:\\");
    EXPECT_EQ(VolumeHolding("Z:\\", drives), "Z:\\");
    EXPECT_EQ(VolumeHolding("D:\\jeux", drives), "D:\\");
}
#endif

}  // namespace
}  // namespace vortalis::sealbox
