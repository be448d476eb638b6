// Keyfold against what goes wrong around it: killed mid-run, a full or read-only
// disk, a file that vanishes, several names for one file.

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "child_process.h"
#include "keyfold_run.h"
#include "one_call_cipher.h"
#include "run_error.h"
#include "safe_file_writer.h"
#include "scratch_mount.h"
#include "temporary_folder.h"

namespace vortalis {
namespace {

using testing::CipherInOneCall;
using testing::ReadBytes;
using testing::SampleBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

int RunKeyfoldError(const std::string& commandLine, FileSystem& files = SystemFiles()) {
    try {
        RunKeyfold(commandLine, files);
        return 0;
    } catch (const RunError& error) {
        return error.Number();
    }
}

TEST(KeyfoldFaults, KilledAtAnyMomentTheFileIsWhollyOldOrWhollyNew) {
    TemporaryFolder folder;
    const auto file = folder / "coffre.txt";
    Bytes current = SampleBytes(32767);
    WriteBytes(file, current);
    const std::string commandLine = file.string() + ",Mot de Passe,D";
    // Kill moments spread over the time one whole run takes here.
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(testing::RunProgram(KEYFOLD_PROGRAM, {commandLine}, folder.Path().string() + ".err")
                  .exitStatus,
              0);
    const auto wholeRun = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    current = CipherInOneCall("Mot de Passe", CipherMode::Decipher, current);
    std::mt19937 random(11);
    std::uniform_int_distribution<long> delay(0, wholeRun.count());
    int killedMidway = 0;

    for (int run = 0; run < 50; ++run) {
        testing::ChildProgram keyfold(
            KEYFOLD_PROGRAM, {commandLine},
            folder.Path().parent_path() / (folder.Path().filename().string() + ".err"));
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        keyfold.Kill();
        const bool finished = keyfold.Wait().exitStatus == 0;
        const Bytes next = CipherInOneCall("Mot de Passe", CipherMode::Decipher, current);
        const Bytes now = ReadBytes(file);
        ASSERT_TRUE(now == current || now == next) << "a mix after run " << run;
        if (now == next) current = next;
        killedMidway += !finished;
    }
    // A run that finishes removes what killed runs left beside the file.
    const std::size_t leftBehind = folder.Entries().size() - 1;
    ASSERT_EQ(RunKeyfoldError(commandLine), 0);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"coffre.txt"});
    std::cout << "killed before the end: " << killedMidway << " of 50 runs, leaving " << leftBehind
              << " temporary file(s)\n";
}

TEST(KeyfoldFaults, AFullDiskGivesErrorDiskFullAndKeepsTheFile) {
    TemporaryFolder folder;
    testing::ScratchMount disk(folder / "disk", 48 * 1024);
    if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
    const auto file = folder / "disk" / "coffre.txt";
    const Bytes plain = SampleBytes(32000);
    WriteBytes(file, plain);  // leaves too little room for the new copy
    EXPECT_EQ(RunKeyfoldError(file.string() + ",secret,D"), run_error::kDiskFull);
    EXPECT_EQ(ReadBytes(file), plain);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(file.parent_path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(KeyfoldFaults, AReadOnlyDiskGivesAnErrorAndKeepsTheFile) {
    TemporaryFolder folder;
    testing::ScratchMount disk(folder / "disk", 64 * 1024);
    if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
    const auto file = folder / "disk" / "coffre.txt";
    const Bytes plain = SampleBytes(1000);
    WriteBytes(file, plain);
    ASSERT_TRUE(disk.MakeReadOnly());
    EXPECT_EQ(RunKeyfoldError(file.string() + ",secret,D"), run_error::kPathFileAccess);
    EXPECT_EQ(ReadBytes(file), plain);
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
    EXPECT_EQ(RunKeyfoldError(file.string() + ",secret,D", files), run_error::kFileNotFound);
    EXPECT_TRUE(folder.Entries().empty()) << "nothing created in its place";
}

TEST(KeyfoldFaults, AFileWithSeveralNamesIsRefusedAndALinkIsFollowed) {
    TemporaryFolder folder;
    const auto file = folder / "coffre.txt";
    const Bytes plain = SampleBytes(100);
    WriteBytes(file, plain);

    std::filesystem::create_hard_link(file, folder / "copie.txt");
    EXPECT_EQ(RunKeyfoldError(file.string() + ",secret,D"), run_error::kPathFileAccess);
    EXPECT_EQ(ReadBytes(file), plain);
    std::filesystem::remove(folder / "copie.txt");

    std::filesystem::create_symlink(file, folder / "lien.txt");
    EXPECT_EQ(RunKeyfoldError((folder / "lien.txt").string() + ",secret,D"), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "lien.txt"));
    EXPECT_EQ(ReadBytes(file), CipherInOneCall("secret", CipherMode::Decipher, plain));
}

}  // namespace
}  // namespace vortalis
