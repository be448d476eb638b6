#include "sealbox/core/file_search.h"

#include <gtest/gtest.h>

#include "runtime/errors/run_error.h"
#include "runtime/tests/support/temporary_folder.h"
#include "sealbox/core/end_sound_name.h"
#include "sealbox/core/folder_reader.h"
#include "sealbox/core/volumes.h"

namespace vortalis {
namespace {

using testing::TemporaryFolder;
using testing::WriteBytes;

TEST(FileSearchTest, FindsOnlyOrdinaryVisibleFilesByTheirExactName) {
    TemporaryFolder folder;
    WriteBytes(folder / "notes.txt", {1});
    WriteBytes(folder / ".cache", {1});
    std::filesystem::create_directory(folder / "archives");
    EXPECT_TRUE(IsOrdinaryFile(folder / "notes.txt"));
#ifndef _WIN32  // Windows allows no "?" in a file's name
    WriteBytes(folder / "a?b", {1});
    EXPECT_TRUE(IsOrdinaryFile(folder / "a?b"));
#endif
    EXPECT_FALSE(IsOrdinaryFile(folder / "*.txt"));
    EXPECT_FALSE(IsOrdinaryFile(folder / "n?tes.txt"));
    EXPECT_FALSE(IsOrdinaryFile(folder / ".cache"));
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

TEST(FileSearchTest, TheFolderReaderListsVisibleSubfoldersAndFilesApartInOrder) {
    TemporaryFolder folder;
    for (const char* name : {"b.txt", "A.txt", ".hidden"}) WriteBytes(folder / name, {1});
    for (const char* name : {"Zeta", "alpha", ".git"})
        std::filesystem::create_directory(folder / name);
    SystemFolderReader reader;
    EXPECT_EQ(reader.OrdinaryFiles(folder.Path().string()),
              (std::vector<std::string>{"A.txt", "b.txt"}));
    EXPECT_EQ(reader.Subfolders(folder.Path().string()),
              (std::vector<std::string>{"alpha", "Zeta"}));
    EXPECT_THROW(reader.Subfolders((folder / "absent").string()), RunError);
}

TEST(FileSearchTest, TheEndSoundIsNamedAfterTheProgramLessThreeCharacters) {
    EXPECT_EQ(EndSoundPath({"/opt/vortalis", "Sealbox", "Sealbox"}),
              std::filesystem::path("/opt/vortalis/Sealfin.WAV"));
    EXPECT_EQ(EndSoundPath({"/opt/vortalis", "CRYPTAGE.EXE", "CRYPTAGE"}),
              std::filesystem::path("/opt/vortalis/CRYPTfin.WAV"));
}

TEST(FileSearchTest, AFolderLiesOnTheDeepestMountPointAboveIt) {
    const std::vector<std::string> mounts = {"/", "/home", "/home/marie/usb", "/ho"};
    EXPECT_EQ(VolumeHolding("/home/marie/docs", mounts), "/home");
    EXPECT_EQ(VolumeHolding("/home/marie/usb", mounts), "/home/marie/usb");
    EXPECT_EQ(VolumeHolding("/house", mounts), "/");
    EXPECT_EQ(VolumeHolding("/opt", {}), "/");
}

}  // namespace
}  // namespace vortalis
