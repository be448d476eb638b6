#include "sealbox/platform/windows/logical_drives.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vortalis::sealbox {
namespace {

using Roots = std::vector<std::string>;

TEST(LogicalDrivesTest, TheSystemsListIsCutAtEachNulUpToTheEmptyOne) {
    using namespace std::string_view_literals;
    EXPECT_EQ(DriveRoots(L"A:\\\0C:\\\0Z:\\\0\0"sv), (Roots{"A:\\", "C:\\", "Z:\\"}));
    EXPECT_EQ(DriveRoots(L"C:\\\0"sv), (Roots{"C:\\"}));  // the final nul left out
    EXPECT_EQ(DriveRoots(L"C:\\\0\0D:\\\0"sv), (Roots{"C:\\"}));
    EXPECT_EQ(DriveRoots(L""sv), Roots{});
}

TEST(LogicalDrivesTest, EveryDriveOfTheSystemIsARootAndTheSystemsDriveIsListed) {
    const Roots roots = LogicalDrives().MountPoints();
    ASSERT_FALSE(roots.empty());
    for (const std::string& root : roots) {
        SCOPED_TRACE(root);
        EXPECT_EQ(root.size(), 3u);
        EXPECT_EQ(root.substr(1), ":\\");
    }
    const std::string system = std::filesystem::current_path().root_path().string();
    EXPECT_NE(std::find(roots.begin(), roots.end(), system), roots.end());
}

}  // namespace
}  // namespace vortalis::sealbox
