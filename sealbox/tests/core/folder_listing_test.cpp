#include "sealbox/core/folder_listing.h"

#include <gtest/gtest.h>

#include "runtime/text/utf8_path.h"

namespace vortalis::sealbox {
namespace {

// A path with the system's separators, as the lists show it.
std::string Native(std::filesystem::path path) { return Utf8Text(path.make_preferred()); }

TEST(FolderListingTest, ThePathFromTheRootDownIsOpenAndChosenItsSubfoldersOneStepFurtherIn) {
    const FolderListing listing = ListFolder(Native("/home/marie"), {"docs", "photos"});

    const std::string root = Native("/");
    EXPECT_EQ(listing.entries,
              (std::vector<FolderEntry>{{root, root, 0, true},
                                        {"home", Native("/home"), 1, true},
                                        {"marie", Native("/home/marie"), 2, true},
                                        {"docs", Native("/home/marie/docs"), 3, false},
                                        {"photos", Native("/home/marie/photos"), 3, false}}));
    EXPECT_EQ(listing.selected, 2);
    EXPECT_EQ(listing.PathAt(4), Native("/home/marie/photos"));
    EXPECT_EQ(listing.PathAt(5), "");
    EXPECT_EQ(listing.PathAt(-1), "");
}

TEST(FolderListingTest, ARootsSubfoldersTakeNoSecondSeparator) {
    const std::string root = Native("/");
    EXPECT_EQ(
        ListFolder(root, {"home"}).entries,
        (std::vector<FolderEntry>{{root, root, 0, true}, {"home", Native("/home"), 1, false}}));
#ifdef _WIN32
    EXPECT_EQ(ListFolder("C:\\", {"Users"}).PathAt(1), "C:\\Users");
#endif
}

}  // namespace
}  // namespace vortalis::sealbox
