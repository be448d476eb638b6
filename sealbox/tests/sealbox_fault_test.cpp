// Sealbox's file transform against what goes wrong around it: killed part-way
// through a large file, a full disk.

#include <gtest/gtest.h>

#include "kill_test.h"
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

TEST(SealboxFaults, KilledAtAnyMomentTheFileIsWhollyOldOrWhollyNew) {
    TemporaryFolder folder;
    const auto file = folder / "archive.bin";
    WriteBytes(file, SampleBytes(6 << 20));  // several reads and writes of 1 MiB
    testing::ExpectWholeFileAcrossKills(
        TRANSFORM_FILE_RUN, {file.string(), "Mot de Passe", "D"}, folder, file,
        [](const Bytes& in) {
            return testing::CipherInOneCall("Mot de Passe", CipherMode::Decipher, in);
        },
        12);
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
