// Whether a folder may be written, as Windows decides it: by its access list,
// which the C runtime's _waccess never looks at.

#include <gtest/gtest.h>

#include "runtime/files/user_places.h"
#include "runtime/tests/support/temporary_folder.h"
#include "runtime/tests/support/windows_security.h"

namespace vortalis {
namespace {

using namespace testing;  // the shared test helpers

TEST(FolderWritable, FollowsTheFoldersAccessList) {
    TemporaryFolder folder;
    const UserPlaces places;
    EXPECT_TRUE(places.FolderWritable(folder.Path()));
    EXPECT_FALSE(places.FolderWritable(folder / "absent"));

    // Everyone may list and read it, nobody may add a file: Program Files for a user.
    constexpr const wchar_t* kReadOnly = L"D:P(A;OICI;GRGX;;;WD)";
    ASSERT_TRUE(SetAccessList(folder.Path(), kReadOnly));
    const bool kept = SecurityText(folder.Path()).find(L"D:P") != std::wstring::npos;
    const bool writable = places.FolderWritable(folder.Path());
    ASSERT_TRUE(SetAccessList(folder.Path(), L"D:P(A;OICI;GA;;;WD)"));
    if (kept) {
        EXPECT_FALSE(writable);
        EXPECT_TRUE(places.FolderWritable(folder.Path())) << "the access list given back";
    }
#ifdef READ_ONLY_FOLDER
    // Wine keeps no access list of a folder's own, but makes one from the Unix
    // rights of the folder behind it: one without write bits grants no new file.
    EXPECT_FALSE(places.FolderWritable(READ_ONLY_FOLDER));
#else
    if (!kept) GTEST_SKIP() << "this system keeps no access list of a folder's own";
#endif
}

}  // namespace
}  // namespace vortalis
