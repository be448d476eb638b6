// The safe rewrite against what only Windows has: attributes, security
// descriptors, and files other programs hold open without sharing.

// clang-format off
#include <windows.h>
#include <aclapi.h>
#include <sddl.h>
// clang-format on

#include <gtest/gtest.h>

#include "runtime/errors/run_error.h"
#include "runtime/files/safe_file_writer.h"
#include "runtime/tests/support/one_file_test.h"
#include "runtime/tests/support/scoped_backup_folder.h"
#include "runtime/tests/support/temporary_folder.h"
#include "runtime/tests/support/windows_security.h"

namespace vortalis {
namespace {

using namespace testing;  // the shared test helpers

class WindowsRewriteTest : public OneFileTest {
  protected:
    WindowsRewriteTest() : OneFileTest("coffre.txt") {}

    testing::ScopedBackupFolder backups;
    std::vector<std::uint8_t> oldBytes = SampleBytes(3000, 1);
    std::vector<std::uint8_t> newBytes = SampleBytes(3000, 2);

    void SetUp() override { WriteBytes(file, oldBytes); }

    std::uint64_t FileIndex() {
        FileStatus status;
        SystemFiles().Status(file, status);
        return status.inode;
    }

    // The run-time error number a rewrite ends with, 0 when it succeeds.
    int RewriteErrorNumber() {
        const std::error_code error = WriteWholeFile(file, newBytes);
        return error ? FileError(error, file).Number() : 0;
    }

    void ExpectUntouched() {
        EXPECT_EQ(ReadBytes(file), oldBytes);
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{"coffre.txt"});
        EXPECT_TRUE(backups.Entries().empty());
    }
};

TEST_F(WindowsRewriteTest, TheReplacementKeepsTheHiddenSystemAndArchiveAttributes) {
    constexpr DWORD kMarked =
        FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), kMarked));
    if (GetFileAttributesW(file.c_str()) != kMarked)
        GTEST_SKIP() << "this folder's file system keeps no attributes (tmpfs under Wine)";
    const std::uint64_t original = FileIndex();
    ASSERT_EQ(RewriteErrorNumber(), 0);
    EXPECT_NE(FileIndex(), original) << "replaced, not rewritten in place";
    EXPECT_EQ(ReadBytes(file), newBytes);
    EXPECT_EQ(GetFileAttributesW(file.c_str()), kMarked);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"coffre.txt"});
}

TEST_F(WindowsRewriteTest, TheReplacementIsHiddenUntilItTakesTheFilesPlace) {
    for (const std::filesystem::path& target : {file, folder / "nouveau.txt"}) {
        SafeFileWriter writer(target);
        ASSERT_FALSE(writer.Open());
        std::vector<std::string> names;
        ASSERT_FALSE(SystemFiles().ListFolder(folder.Path(), names));
        for (const std::string& name : names) {
            if (name.starts_with(SafeFileWriter::kTemporaryPrefix)) {
                EXPECT_TRUE(GetFileAttributesW((folder / name).c_str()) & FILE_ATTRIBUTE_HIDDEN);
            }
        }
        ASSERT_FALSE(writer.Write(newBytes));
        ASSERT_FALSE(writer.Commit());
        EXPECT_FALSE(GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_HIDDEN);
        EXPECT_EQ(ReadBytes(target), newBytes);
    }
}

TEST_F(WindowsRewriteTest, TheReplacementKeepsTheOwnerGroupAndAccessList) {
    // The owner may do anything, everyone may read: not what the folder would give.
    ASSERT_TRUE(SetAccessList(file, L"D:P(A;;FA;;;OW)(A;;FR;;;WD)"));
    const std::wstring before = SecurityText(file);
    const std::filesystem::path fresh = folder / "neuf.txt";
    WriteBytes(fresh, {1});
    const bool likeANewFile = SecurityText(fresh) == before;
    std::filesystem::remove(fresh);
    // Wine reads back an access list of its own, the same for every file.
    if (likeANewFile) GTEST_SKIP() << "this system keeps no access list of a file's own";
    const std::uint64_t original = FileIndex();
    ASSERT_EQ(RewriteErrorNumber(), 0);
    EXPECT_NE(FileIndex(), original) << "replaced, not rewritten in place";
    EXPECT_EQ(ReadBytes(file), newBytes);
    EXPECT_EQ(SecurityText(file), before);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"coffre.txt"});
}

TEST_F(WindowsRewriteTest, AReadOnlyFileIsRefusedWith70AndLeftAsItWas) {
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(RewriteErrorNumber(), run_error::kPermissionDenied);
    ExpectUntouched();
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(WindowsRewriteTest, AFileHeldOpenWithoutSharingIsRefusedWith70AndLeftAsItWas) {
    const HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(RewriteErrorNumber(), run_error::kPermissionDenied);
    CloseHandle(held);
    ExpectUntouched();
}

}  // namespace
}  // namespace vortalis
