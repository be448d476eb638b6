// Sealbox's file transform against what goes wrong around it: killed part-way
// through a large file, a full disk.

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "child_process.h"
#include "one_call_cipher.h"
#include "run_error.h"
#include "scratch_mount.h"
#include "temporary_folder.h"
#include "transform_file.h"

namespace vortalis {
namespace {

using testing::ReadBytes;
using testing::SampleBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

Bytes Decipher(const Bytes& in) {
    return testing::CipherInOneCall("Mot de Passe", CipherMode::Decipher, in);
}

TEST(SealboxFaults, KilledAtAnyMomentTheFileIsWhollyOldOrWhollyNew) {
    TemporaryFolder folder;
    const auto file = folder / "archive.bin";
    Bytes current = SampleBytes(6 << 20);  // several reads and writes of 1 MiB
    WriteBytes(file, current);
    const std::vector<std::string> arguments{file.string(), "Mot de Passe", "D"};
    const std::string errors = folder.Path().string() + ".err";

    // Kill moments spread over the time one whole transform takes here.
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(testing::RunProgram(TRANSFORM_FILE_RUN, arguments, errors).exitStatus, 0);
    const auto wholeRun = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    current = Decipher(current);
    std::mt19937 random(12);
    std::uniform_int_distribution<long> delay(0, wholeRun.count());

    int killedMidway = 0;
    for (int run = 0; run < 50; ++run) {
        testing::ChildProgram driver(TRANSFORM_FILE_RUN, arguments, errors);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        driver.Kill();
        killedMidway += driver.Wait().exitStatus != 0;
        const Bytes now = ReadBytes(file);
        if (now == current) continue;
        const Bytes next = Decipher(current);
        ASSERT_EQ(now, next) << "a mix after run " << run;
        current = next;
    }
    const std::size_t leftBehind = folder.Entries().size() - 1;
    ASSERT_EQ(testing::RunProgram(TRANSFORM_FILE_RUN, arguments, errors).exitStatus, 0);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"archive.bin"})
        << "a finished run removes what killed runs left";
    std::cout << "killed before the end: " << killedMidway << " of 50 runs, leaving " << leftBehind
              << " temporary file(s)\n";
}

TEST(SealboxFaults, AFullDiskGivesErrorDiskFullAndKeepsTheFile) {
    TemporaryFolder folder;
    testing::ScratchMount disk(folder / "disk", 1 << 20);
    if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
    const auto file = folder / "disk" / "archive.bin";
    const Bytes plain = SampleBytes(700 * 1024);
    WriteBytes(file, plain);
    SilentProgress progress;
    try {
        TransformFile(file, "secret", CipherMode::Decipher, progress);
        ADD_FAILURE() << "a full disk went unnoticed";
    } catch (const RunError& error) {
        EXPECT_EQ(error.Number(), run_error::kDiskFull);
    }
    EXPECT_EQ(ReadBytes(file), plain);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(file.parent_path()),
                            std::filesystem::directory_iterator()),
              1);
}

}  // namespace
}  // namespace vortalis
