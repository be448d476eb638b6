// What the browser's pick comes back as, read by the shell itself (or Wine):
// a folder's whole path in UTF-8, nothing for an item outside the file system.

#include "pathwell/platform/windows/shell_item_path.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include "runtime/tests/support/temporary_folder.h"
#include "runtime/text/utf8_path.h"

namespace vortalis::pathwell {
namespace {

TEST(ShellItemPath, AFolderGivesItsPathInUtf8AndMyComputerNothing) {
    const testing::TemporaryFolder folder;
    const std::filesystem::path named = folder.Path() / Utf8Path("Dossier Ω été");
    std::filesystem::create_directory(named);
    PIDLIST_ABSOLUTE item = nullptr;
    ASSERT_EQ(SHParseDisplayName(named.c_str(), nullptr, &item, 0, nullptr), S_OK);
    EXPECT_EQ(ShellItemPath(item), Utf8Text(named));
    CoTaskMemFree(item);

    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &item), S_OK);
    EXPECT_EQ(ShellItemPath(item), "");
    CoTaskMemFree(item);
}

}  // namespace
}  // namespace vortalis::pathwell
