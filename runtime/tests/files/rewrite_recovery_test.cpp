#include "runtime/files/rewrite_recovery.h"

#include <gtest/gtest.h>

#include "runtime/files/replacement_record.h"
#include "runtime/files/rewrite_backup.h"
#include "runtime/files/safe_file_writer.h"
#include "runtime/tests/support/one_file_test.h"
#include "runtime/tests/support/scoped_backup_folder.h"
#include "runtime/tests/support/temporary_folder.h"
#include "runtime/text/utf8_path.h"

namespace vortalis {
namespace {

using namespace testing;  // the shared test helpers

TEST(RewriteRecord, ReadsBackWhatItWritesAndNothingElse) {
#ifdef _WIN32
    const std::filesystem::path file = Utf8Path("C:\\Users\\Hélène\\Relevé d’été €.txt");
#else
    const std::filesystem::path file = Utf8Path("/home/Hélène/Relevé d’été €.txt");
#endif
    const RewriteRecord record{file, 2049, 1234567890123, 32767, 1765190000123456789};
    EXPECT_EQ(ParseRewriteRecord(FormatRewriteRecord(record)), record);
    RewriteRecord before1970 = record;
    before1970.created = -86'400'000'000'000;
    EXPECT_EQ(ParseRewriteRecord(FormatRewriteRecord(before1970)), before1970);
    const std::string whole = FormatRewriteRecord(record);
    // A record is whole or it is not one: any cut of it is refused.
    for (std::size_t length = 0; length < whole.size(); ++length)
        EXPECT_FALSE(ParseRewriteRecord(whole.substr(0, length))) << length;
    EXPECT_FALSE(ParseRewriteRecord(whole + "x"));
    EXPECT_FALSE(ParseRewriteRecord("vortalis rewrite record 1\n1 2 0 3 13\nrelative/file"));
    EXPECT_FALSE(ParseRewriteRecord("vortalis rewrite record 1\n1 x 0 3 5\n/file"));
    EXPECT_FALSE(ParseRewriteRecord("vortalis rewrite record 1\n1 2 0 99999999999999999999 2\n/f"));
}

class RewriteRecoveryTest : public OneFileTest {
  protected:
    RewriteRecoveryTest() : OneFileTest("coffre.txt") {}

    testing::ScopedBackupFolder backups;
    std::vector<std::uint8_t> original = SampleBytes(3000, 1);
};

TEST_F(RewriteRecoveryTest, PutsTheOriginalBackWithItsLengthAndSaysWhichFile) {
    if (!testing::CreationTimeSurvivesRewrites())
        GTEST_SKIP() << "this system moves a file's creation time when it is rewritten (Wine)";
    backups.LeaveInterruptedRewrite(file, original, SampleBytes(5000, 2));
    const auto recovered = RecoverInterruptedRewrites();
    ASSERT_EQ(recovered.size(), 1u);
    EXPECT_EQ(recovered[0].file, std::filesystem::canonical(file));
    EXPECT_FALSE(recovered[0].error);
    EXPECT_EQ(ReadBytes(file), original);
    EXPECT_TRUE(backups.Entries().empty());
    EXPECT_NE(RecoveryMessage(recovered[0]).find(file.string()), std::string::npos);
    EXPECT_TRUE(RecoverInterruptedRewrites().empty()) << "once only";
}

TEST_F(RewriteRecoveryTest, LeavesAFileThatIsNoLongerTheOneBackedUpAlone) {
    backups.LeaveInterruptedRewrite(file, original, SampleBytes(100, 2));
    std::filesystem::remove(file);
    const auto replacement = SampleBytes(100, 3);
    WriteBytes(file, replacement);  // a new file under the old name
    EXPECT_TRUE(RecoverInterruptedRewrites().empty());
    EXPECT_EQ(ReadBytes(file), replacement);
    EXPECT_TRUE(backups.Entries().empty());
}

TEST_F(RewriteRecoveryTest, KeepsTheBackupWhenTheOriginalCannotBePutBack) {
    if (!testing::CreationTimeSurvivesRewrites())
        GTEST_SKIP() << "this system moves a file's creation time when it is rewritten (Wine)";
    backups.LeaveInterruptedRewrite(file, original, SampleBytes(100, 2));
    struct Unwritable : FileSystem {
        std::error_code OpenForWriting(const std::filesystem::path&, Handle&) override {
            return std::make_error_code(std::errc::permission_denied);
        }
    } files;
    const auto recovered = RecoverInterruptedRewrites(files);
    ASSERT_EQ(recovered.size(), 1u);
    EXPECT_EQ(recovered[0].error, std::errc::permission_denied);
    EXPECT_NE(RecoveryMessage(recovered[0]).find(recovered[0].backup.string()), std::string::npos);
    EXPECT_EQ(backups.Entries().size(), 2u);
    // The next start, with the file writable again, puts it back.
    EXPECT_EQ(RecoverInterruptedRewrites().size(), 1u);
    EXPECT_EQ(ReadBytes(file), original);
}

TEST_F(RewriteRecoveryTest, RemovesUnfinishedCopiesAndRecordsButNotWhatALiveRewriteHolds) {
    WriteBytes(backups.Folder().parent_path() / "x", {});  // makes the state folder
    std::filesystem::create_directories(backups.Folder());
    WriteBytes(BackupPath(backups.Folder(), "dead01"), original);
    WriteBytes(backups.Folder() / ".record-dead02-zzzzzz", original);
    FileSystem::Handle live = FileSystem::kNoHandle;
    std::filesystem::path held;
    ASSERT_FALSE(SystemFiles().CreateTemporary(backups.Folder(), "backup-",
                                               TemporaryAccess::OwnerOnly, held, live));
    EXPECT_TRUE(RecoverInterruptedRewrites().empty());
    EXPECT_EQ(backups.Entries(), std::vector<std::string>{held.filename().string()});
    SystemFiles().Close(live);
}

TEST_F(RewriteRecoveryTest, RemovesTheTemporaryFileAKilledReplacementLeftButNotALiveOnes) {
    const std::filesystem::path letters = folder.Path() / Utf8Path("Relevés d’été €");
    std::filesystem::create_directories(letters);
    SafeFileWriter live(letters / Utf8Path("Relevé.txt"));
    ASSERT_FALSE(live.Open());
    // What a writer killed while writing the replacement of another file there
    // leaves: its temporary file, and its record, neither held any longer.
    const std::filesystem::path left =
        letters / (std::string(SafeFileWriter::kTemporaryPrefix) + "dead01");
    WriteBytes(left, original);
    const std::string record = FormatRewriteRecord({letters});
    WriteBytes(backups.Folder() / (std::string(kReplacementPrefix) + "dead01"),
               Bytes(record.begin(), record.end()));
    const auto entries = [&] {
        std::vector<std::string> names;
        SystemFiles().ListFolder(letters, names);
        return names;
    };
    ASSERT_EQ(entries().size(), 2u);

    EXPECT_TRUE(RecoverInterruptedRewrites().empty());
    EXPECT_FALSE(std::filesystem::exists(left));
    EXPECT_EQ(entries().size(), 1u) << "the live writer's file stays";
    ASSERT_EQ(backups.Entries().size(), 1u) << "and its record";
    EXPECT_TRUE(backups.Entries()[0].starts_with(kReplacementPrefix));
}

}  // namespace
}  // namespace vortalis
