#include "sealbox/core/folder_reader.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include "runtime/errors/run_error.h"
#include "runtime/files/file_system.h"
#include "runtime/tests/support/temporary_folder.h"
#include "sealbox/core/file_search.h"

namespace vortalis::sealbox {
namespace {

using testing::TemporaryFolder;
using testing::WriteBytes;

TEST(FolderReaderTest, ListsVisibleSubfoldersAndFilesApartInOrder) {
    TemporaryFolder folder;
    for (const char* name : {"b.txt", "A.txt"}) WriteBytes(folder / name, {1});
    for (const char* name : {"Zeta", "alpha"}) std::filesystem::create_directory(folder / name);
    // Hidden by their names where the system hides dot-names; Windows hides by attribute.
    if (IsHiddenName(".git")) {
        WriteBytes(folder / ".hidden", {1});
        std::filesystem::create_directory(folder / ".git");
    }
#ifdef _WIN32
    WriteBytes(folder / "desktop.ini", {1});
    std::filesystem::create_directory(folder / "Corbeille");
    SetFileAttributesW((folder / "desktop.ini").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW((folder / "Corbeille").c_str(), FILE_ATTRIBUTE_SYSTEM);
    EXPECT_FALSE(IsOrdinaryFile(folder / "desktop.ini"));
#endif
    SystemFolderReader reader;
    EXPECT_EQ(reader.OrdinaryFiles(folder.Path().string()),
              (std::vector<std::string>{"A.txt", "b.txt"}));
    EXPECT_EQ(reader.Subfolders(folder.Path().string()),
              (std::vector<std::string>{"alpha", "Zeta"}));
    EXPECT_THROW(reader.Subfolders((folder / "absent").string()), RunError);
}

}  // namespace
}  // namespace vortalis::sealbox
