#include "sealbox/core/file_search.h"

#include <gtest/gtest.h>

#include "runtime/tests/support/temporary_folder.h"

namespace vortalis {
namespace {

using testing::TemporaryFolder;
using testing::WriteBytes;

TEST(FileSearchTest, FindsOnlyOrdinaryVisibleFilesByTheirExactName) {
    TemporaryFolder folder;
    WriteBytes(folder / "notes.txt", {1});
    // Hidden by its name where the system hides dot-names; Windows hides by attribute.
    WriteBytes(folder / ".cache", {1});
    std::filesystem::create_directory(folder / "archives");
    EXPECT_TRUE(IsOrdinaryFile(folder / "notes.txt"));
#ifndef _WIN32  // Windows allows no "?" in a file's name
    WriteBytes(folder / "a?b", {1});
    EXPECT_TRUE(IsOrdinaryFile(folder / "a?b"));
#endif
    EXPECT_FALSE(IsOrdinaryFile(folder / "*.txt"));
    EXPECT_FALSE(IsOrdinaryFile(folder / "n?tes.txt"));
    EXPECT_EQ(IsOrdinaryFile(folder / ".cache"), !IsHiddenName(".cache"));
    EXPECT_FALSE(IsOrdinaryFile(folder / "archives"));
    EXPECT_FALSE(IsOrdinaryFile(folder / "absent"));
    EXPECT_FALSE(IsOrdinaryFile(""));
}

TEST(FileSearchTest, AFolderGetsExactlyOneSeparatorBeforeAName) {
    EXPECT_EQ(WithTrailingSeparator("/"), "/");
    EXPECT_EQ(WithTrailingSeparator("/home/marie"), "/home/marie/");
    EXPECT_EQ(WithTrailingSeparator("/home/marie/"), "/home/marie/");
}

TEST(FileSearchTest, AFolderHasOnePathHoweverItIsWritten) {
    TemporaryFolder folder;
    const std::string path = folder.Path().generic_string();
    EXPECT_EQ(NormalFolderPath(path + "/"), path);
    EXPECT_EQ(NormalFolderPath(path + "/a/../"), path);
    EXPECT_EQ(NormalFolderPath(path + "/./b"), path + "/b");
    EXPECT_EQ(NormalFolderPath("b"), (std::filesystem::current_path() / "b").generic_string());
    const std::string root = folder.Path().root_path().generic_string();
    EXPECT_EQ(NormalFolderPath(root), root);
}

}  // namespace
}  // namespace vortalis
