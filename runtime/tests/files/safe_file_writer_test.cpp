#include "runtime/files/safe_file_writer.h"

#include <gtest/gtest.h>

#include "runtime/files/rewrite_recovery.h"
#include "runtime/tests/support/failing_file_system.h"
#include "runtime/tests/support/one_file_test.h"
#include "runtime/tests/support/scoped_backup_folder.h"
#include "runtime/tests/support/temporary_folder.h"

namespace vortalis {
namespace {

using namespace testing;  // the shared test helpers
using Operation = FailingFileSystem::Operation;

std::uint64_t Inode(const std::filesystem::path& path) {
    FileStatus status;
    SystemFiles().Status(path, status);
    return status.inode;
}

class SafeFileWriterTest : public OneFileTest {
  protected:
    SafeFileWriterTest() : OneFileTest("secrets.txt") {}

    std::vector<std::uint8_t> oldBytes = SampleBytes(5000, 1);
    std::vector<std::uint8_t> newBytes = SampleBytes(5000, 2);

    void SetUp() override { WriteBytes(file, oldBytes); }

    testing::ScopedBackupFolder backups;

    std::error_code Replace(FileSystem& files = SystemFiles()) {
        return WriteWholeFile(file, newBytes, files);
    }
};

TEST_F(SafeFileWriterTest, ReplacesTheContentKeepingPermissionsAndLeavingNothingBehind) {
    // Windows has no permission bits; its attributes and security have tests of their own.
#ifndef _WIN32
    std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
#endif
    ASSERT_FALSE(Replace());
    EXPECT_EQ(ReadBytes(file), newBytes);
#ifndef _WIN32
    EXPECT_EQ(std::filesystem::status(file).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
#endif
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"secrets.txt"});
}

TEST_F(SafeFileWriterTest, AFileItsOwnerMayNotWriteIsRefusedWhoeverRuns) {
    // The superuser too (as CI runs), as Windows' read-only attribute stops administrators.
    using std::filesystem::perms;
    std::filesystem::permissions(file, perms::owner_read | perms::group_read | perms::others_read);
    EXPECT_EQ(Replace(), std::errc::permission_denied);
    std::filesystem::permissions(file, perms::owner_write, std::filesystem::perm_options::add);
    EXPECT_EQ(ReadBytes(file), oldBytes);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"secrets.txt"});
}

TEST_F(SafeFileWriterTest, FollowsASymbolicLinkAndReplacesItsTarget) {
    const auto link = folder / "link.txt";
    std::error_code error;
    std::filesystem::create_symlink(file, link, error);
    if (error) GTEST_SKIP() << "no symbolic links here: " << error.message();
    ASSERT_FALSE(WriteWholeFile(link, newBytes));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(file), newBytes);
}

TEST_F(SafeFileWriterTest, AnyFailureLeavesTheOriginalWholeAndNoTemporaryFile) {
    struct Case {
        Operation operation;
        std::errc error;
    };
    for (const Case& failure : {Case{Operation::WriteAt, std::errc::no_space_on_device},
                                Case{Operation::Flush, std::errc::io_error},
                                Case{Operation::Rename, std::errc::device_or_resource_busy},
                                Case{Operation::CreateTemporary, std::errc::no_space_on_device}}) {
        FailingFileSystem files(failure.operation, failure.error);
        EXPECT_EQ(Replace(files), std::make_error_code(failure.error));
        EXPECT_EQ(files.Failures(), 1);
        EXPECT_EQ(ReadBytes(file), oldBytes);
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{"secrets.txt"});
    }
}

TEST_F(SafeFileWriterTest, WhereAReplacementWouldDifferTheFileIsRewrittenInPlace) {
    // A folder that refuses new files, an owner or attribute that cannot be copied.
    for (const Operation refused : {Operation::CreateTemporary, Operation::MatchOriginal}) {
        WriteBytes(file, oldBytes);
        const auto inode = Inode(file);
        FailingFileSystem files(refused, std::errc::permission_denied);
        ASSERT_FALSE(Replace(files));
        EXPECT_GE(files.Failures(), 1);
        EXPECT_EQ(ReadBytes(file), newBytes);
        EXPECT_EQ(Inode(file), inode) << "the same file, not a new one";
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{"secrets.txt"});
        EXPECT_TRUE(backups.Entries().empty());
    }
}

TEST_F(SafeFileWriterTest, AShorterContentInPlaceCutsTheFile) {
    std::filesystem::create_hard_link(file, folder / "other name.txt");
    const std::vector<std::uint8_t> shorter = SampleBytes(70, 3);
    ASSERT_FALSE(WriteWholeFile(file, shorter));
    EXPECT_EQ(ReadBytes(folder / "other name.txt"), shorter);
}

TEST_F(SafeFileWriterTest, AFailedWriteInPlacePutsTheOriginalBack) {
    std::filesystem::create_hard_link(file, folder / "other name.txt");
    // The backup's write and its record's go through; the file's own fails.
    FailingFileSystem files(Operation::WriteAt, std::errc::no_space_on_device, 2);
    EXPECT_EQ(Replace(files), std::errc::no_space_on_device);
    EXPECT_EQ(ReadBytes(file), oldBytes);
    EXPECT_TRUE(backups.Entries().empty());
}

TEST_F(SafeFileWriterTest, TheBackupIsTheUsersAloneAndHeldWhileTheRewriteLasts) {
    std::filesystem::create_hard_link(file, folder / "other name.txt");
    SafeFileWriter writer(file);
    ASSERT_FALSE(writer.Open());
    ASSERT_TRUE(writer.InPlace());
    ASSERT_FALSE(writer.Write(std::span(newBytes).first(10)));
    const auto names = backups.Entries();
    ASSERT_EQ(names.size(), 2u);  // the backup and its record
    // On Windows the folder is in the user's own profile, the user's alone already.
#ifndef _WIN32
    for (const std::string& name : names) {
        EXPECT_EQ(std::filesystem::status(backups.Folder() / name).permissions(),
                  std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    }
    EXPECT_EQ(std::filesystem::status(backups.Folder()).permissions(),
              std::filesystem::perms::owner_all);
#endif
    EXPECT_TRUE(RecoverInterruptedRewrites().empty()) << "a live rewrite is left alone";
    EXPECT_EQ(backups.Entries().size(), 2u);
    writer.Discard();
    EXPECT_EQ(ReadBytes(file), oldBytes);
    EXPECT_TRUE(backups.Entries().empty());
}

TEST_F(SafeFileWriterTest, StreamsBlocksAndDiscardsWhenNotCommitted) {
    {
        SafeFileWriter writer(file);
        ASSERT_FALSE(writer.Open());
        ASSERT_FALSE(writer.Write(std::span(newBytes).first(100)));
        EXPECT_EQ(folder.Entries().size(), 2u);
    }
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"secrets.txt"});
    EXPECT_EQ(ReadBytes(file), oldBytes);

    SafeFileWriter writer(file);
    ASSERT_FALSE(writer.Open());
    ASSERT_FALSE(writer.Write(std::span(newBytes).first(1000)));
    ASSERT_FALSE(writer.Write(std::span(newBytes).subspan(1000)));
    ASSERT_FALSE(writer.Commit());
    EXPECT_EQ(ReadBytes(file), newBytes);
}

TEST(CreateTemporary, AFailureNamesNoFileForTheCallerToRemove) {
    TemporaryFolder folder;
    std::filesystem::path path = folder / "someone-elses.txt";
    FileSystem::Handle handle = FileSystem::kNoHandle;
    EXPECT_TRUE(SystemFiles().CreateTemporary(folder / "absent", "tmp-",
                                              TemporaryAccess::AsNewFiles, path, handle));
    EXPECT_TRUE(path.empty());
    EXPECT_EQ(handle, FileSystem::kNoHandle);
}

TEST_F(SafeFileWriterTest, CreatesAFileThatDidNotExist) {
    const auto fresh = folder / "new.PRM";
    SafeFileWriter writer(fresh);
    ASSERT_FALSE(writer.Open());
    ASSERT_FALSE(writer.Write(newBytes));
    ASSERT_FALSE(writer.Commit());
    EXPECT_EQ(ReadBytes(fresh), newBytes);
}

TEST_F(SafeFileWriterTest, RemovesWhatAKilledWriterLeftButNotWhatALiveOneHolds) {
    const auto abandoned = folder / (std::string(SafeFileWriter::kTemporaryPrefix) + "dead01");
    WriteBytes(abandoned, newBytes);
    SafeFileWriter live(file);
    ASSERT_FALSE(live.Open());
    EXPECT_FALSE(std::filesystem::exists(abandoned));

    ASSERT_FALSE(Replace());  // a second writer beside the live one
    EXPECT_EQ(folder.Entries().size(), 2u) << "the live writer's file stays";
}

}  // namespace
}  // namespace vortalis
