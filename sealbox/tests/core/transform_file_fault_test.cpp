// Sealbox's file transform against what goes wrong around it: killed part-way
// through a large file, replaced or rewritten in place; a full disk.

#include <gtest/gtest.h>

#include "cipher/tests/one_call_cipher.h"
#include "runtime/errors/run_error.h"
#include "runtime/tests/support/kill_test.h"
#include "runtime/tests/support/scoped_backup_folder.h"
#include "runtime/tests/support/scratch_mount.h"
#include "runtime/tests/support/temporary_folder.h"
#include "sealbox/core/transform_file.h"

namespace vortalis {
namespace {

using namespace testing;  // the shared test helpers
using Bytes = std::vector<std::uint8_t>;

// Kills the transform in the middle of its writes, on a file that it replaces
// or, when the file has a second name, rewrites in place.
void ExpectWholeAcrossKills(bool secondName, unsigned seed) {
    TemporaryFolder folder;
    testing::ScopedBackupFolder backups;
    const auto file = folder / "archive.bin";
    WriteBytes(file, SampleBytes(6 << 20));  // several reads and writes of 1 MiB
    std::vector<std::string> names{"archive.bin"};
    if (secondName) {
        std::filesystem::create_hard_link(file, folder / "copie.bin");
        names.push_back("copie.bin");
    }
    testing::ExpectWholeFileAcrossKills(
        TRANSFORM_FILE_RUN,
        [&](std::optional<std::uint64_t> stopAfter) {
            std::vector<std::string> arguments{file.string(), "Mot de Passe", "D"};
            if (stopAfter) arguments.push_back(std::to_string(*stopAfter));
            return arguments;
        },
        folder, file, names, backups,
        [](const Bytes& in) {
            return testing::CipherInOneCall("Mot de Passe", CipherMode::Decipher, in);
        },
        seed);
}

TEST(SealboxFaults, KilledMidWriteTheFileIsWhollyOldOrPutBackAtTheNextStart) {
    ExpectWholeAcrossKills(false, 12);
    ExpectWholeAcrossKills(true, 13);
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
