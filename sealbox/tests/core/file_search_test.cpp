#include "sealbox/core/file_search.h"

#include <gtest/gtest.h>

#include "runtime/tests/support/temporary_folder.h"
#include "runtime/text/utf8_path.h"
#include "sealbox/core/platform_folders.h"

namespace vortalis::sealbox {
namespace {

using testing::TemporaryFolder;
using testing::WriteBytes;

// A path with the system's separators, as the lists show it.
std::string Native(std::filesystem::path path) { return Utf8Text(path.make_preferred()); }

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
    const std::string separator(1, kFolderSeparator);
    EXPECT_EQ(WithTrailingSeparator("/"), "/");
    EXPECT_EQ(WithTrailingSeparator("/home/marie"), "/home/marie" + separator);
    EXPECT_EQ(WithTrailingSeparator("/home/marie/"), "/home/marie/");
#ifdef _WIN32
    EXPECT_EQ(WithTrailingSeparator("C:\\"), "C:\\");
    EXPECT_EQ(WithTrailingSeparator("C:\\Users"), "C:\\Users\\");
#endif
}

TEST(FileSearchTest, AFolderHasOnePathHoweverItIsWritten) {
    TemporaryFolder folder;
    const std::string path = Native(folder.Path());
    EXPECT_EQ(NormalFolderPath(path + "/"), path);
    EXPECT_EQ(NormalFolderPath(path + "/a/../"), path);
    EXPECT_EQ(NormalFolderPath(path + "/./b"), Native(folder / "b"));
    EXPECT_EQ(NormalFolderPath("b"), Native(std::filesystem::current_path() / "b"));
    const std::string root = Native(folder.Path().root_path());
    EXPECT_EQ(NormalFolderPath(root), root);
}

TEST(FileSearchTest, AnOpenFolderIsShownFromItsRootDown) {
    const auto steps = [](const std::string& folder) {
        std::vector<std::string> shown;
        for (const FolderStep& step : FolderSteps(folder))
            shown.push_back(step.name + "=" + step.path);
        return shown;
    };
    const std::string separator(1, kFolderSeparator);
    EXPECT_EQ(steps(Native("/home/marie")),
              (std::vector<std::string>{separator + "=" + separator, "home=" + Native("/home"),
                                        "marie=" + Native("/home/marie")}));
#ifdef _WIN32
    EXPECT_EQ(steps("C:\\Users"), (std::vector<std::string>{"C:\\=C:\\", "Users=C:\\Users"}));
#endif
}

TEST(FileSearchTest, AnyLetterOfANameReachesTheFileAndComesBack) {
    TemporaryFolder folder;
    const std::string name = "\u03a9 \u00e9t\u00e9.txt";  // Ω été.txt
    WriteBytes(folder.Path() / Utf8Path(name), {1});
    EXPECT_TRUE(IsOrdinaryFile(folder.Path() / Utf8Path(name)));
    EXPECT_EQ(NormalFolderPath(Native(folder.Path()) + "/" + name),
              Native(folder.Path()) + kFolderSeparator + name);
}

}  // namespace
}  // namespace vortalis::sealbox
