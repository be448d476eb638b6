// Keyfold against what goes wrong around it: killed mid-write, a full or
// read-only disk, a file that vanishes, several names for one file.

#include <gtest/gtest.h>

#include "cipher/tests/one_call_cipher.h"
#include "keyfold/tests/core/keyfold_error_number.h"
#include "runtime/errors/run_error.h"
#include "runtime/tests/support/environment.h"
#include "runtime/tests/support/kill_test.h"
#include "runtime/tests/support/scoped_backup_folder.h"
#include "runtime/tests/support/scratch_mount.h"
#include "runtime/tests/support/temporary_folder.h"

namespace vortalis::keyfold {
namespace {

using namespace testing;  // the shared test helpers

// Kills Keyfold in the middle of its writes, on a file that it replaces or, when
// the file has a second name, rewrites in place.
void ExpectWholeAcrossKills(std::optional<std::string> secondName, unsigned seed) {
    ExpectWholeFileAcrossKills(
        KEYFOLD_STOPPING_RUN, {"coffre.txt", std::move(secondName), 32767},
        [](const std::filesystem::path& file, std::optional<std::uint64_t> stopAfter) {
            return std::vector<std::string>{stopAfter ? std::to_string(*stopAfter) : "-",
                                            file.string() + ",Mot de Passe,D"};
        },
        [](const Bytes& in) { return CipherInOneCall("Mot de Passe", CipherMode::Decipher, in); },
        seed);
}

TEST(KeyfoldFaults, KilledMidWriteTheFileIsWhollyOldOrPutBackAtTheNextStart) {
    ExpectWholeAcrossKills(std::nullopt, 11);
    ExpectWholeAcrossKills("copie.txt", 12);
}

constexpr const char* kNoSmallDisk = "cannot mount a small tmpfs here (needs root)";

TEST(KeyfoldFaults, AFullDiskGivesErrorDiskFullAndKeepsTheFile) {
    const Bytes plain = SampleBytes(32000);  // leaves too little room for the new copy
    const FileOnSmallDisk on(48 * 1024, plain, "coffre.txt");
    if (!on.disk.Mounted()) GTEST_SKIP() << kNoSmallDisk;
    EXPECT_EQ(KeyfoldErrorNumber(on.file.string() + ",secret,D"), run_error::kDiskFull);
    EXPECT_EQ(ReadBytes(on.file), plain);
    EXPECT_TRUE(on.Alone());
}

TEST(KeyfoldFaults, AReadOnlyDiskGivesAnErrorAndKeepsTheFile) {
    const Bytes plain = SampleBytes(1000);
    FileOnSmallDisk on(64 * 1024, plain, "coffre.txt");
    if (!on.disk.Mounted()) GTEST_SKIP() << kNoSmallDisk;
    ASSERT_TRUE(on.disk.MakeReadOnly());
    EXPECT_EQ(KeyfoldErrorNumber(on.file.string() + ",secret,D"), run_error::kPathFileAccess);
    EXPECT_EQ(ReadBytes(on.file), plain);
}

TEST(KeyfoldFaults, AFileThatVanishesAfterTheCheckIsNotFound) {
    TemporaryFolder folder;
    const auto file = folder / "coffre.txt";
    WriteBytes(file, SampleBytes(100));
    struct VanishingFile : FileSystem {
        std::error_code Status(const std::filesystem::path& path, FileStatus& status) override {
            const std::error_code error = FileSystem::Status(path, status);
            std::filesystem::remove(path);
            return error;
        }
    } files;
    EXPECT_EQ(KeyfoldErrorNumber(file.string() + ",secret,D", files), run_error::kFileNotFound);
    EXPECT_TRUE(folder.Entries().empty()) << "nothing created in its place";
}

TEST(KeyfoldFaults, AFileWithSeveralNamesIsRewrittenInPlaceAndALinkIsFollowed) {
    TemporaryFolder folder;
    testing::ScopedBackupFolder backups;
    const auto file = folder / "coffre.txt";
    const Bytes plain = SampleBytes(100);
    WriteBytes(file, plain);

    std::filesystem::create_hard_link(file, folder / "copie.txt");
    EXPECT_EQ(KeyfoldErrorNumber(file.string() + ",secret,D"), 0);
    const Bytes deciphered = CipherInOneCall("secret", CipherMode::Decipher, plain);
    EXPECT_EQ(ReadBytes(file), deciphered);
    EXPECT_EQ(ReadBytes(folder / "copie.txt"), deciphered) << "both names see the new content";
    EXPECT_TRUE(backups.Entries().empty());
    std::filesystem::remove(folder / "copie.txt");

    std::filesystem::create_symlink(file, folder / "lien.txt");
    EXPECT_EQ(KeyfoldErrorNumber((folder / "lien.txt").string() + ",secret,C"), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "lien.txt"));
    EXPECT_EQ(ReadBytes(file), CipherInOneCall("secret", CipherMode::Encipher, deciphered));
}

TEST(KeyfoldFaults, WithoutAFolderForTheBackupAFileInPlaceIsRefusedUntouched) {
    TemporaryFolder folder;
    const auto file = folder / "coffre.txt";
    const Bytes plain = SampleBytes(100);
    WriteBytes(file, plain);
    std::filesystem::create_hard_link(file, folder / "copie.txt");
    {
        const testing::ScopedVariable noState("XDG_STATE_HOME", std::nullopt);
        const testing::ScopedVariable noHome("HOME", std::nullopt);
        EXPECT_EQ(KeyfoldErrorNumber(file.string() + ",secret,D"), run_error::kPathNotFound);
    }
    EXPECT_EQ(ReadBytes(file), plain);
}

}  // namespace
}  // namespace vortalis::keyfold
