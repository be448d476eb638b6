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

namespace vortalis::sealbox {
namespace {

using namespace testing;  // the shared test helpers

// A transform killed part-way through a file of several chunks: with
// one name the file is replaced, with two it is rewritten in place.
void ExpectWholeAcrossKills(std::optional<std::string> secondName, unsigned seed) {
    ExpectWholeFileAcrossKills(
        TRANSFORM_FILE_RUN, {"archive.bin", std::move(secondName), 6 << 20},
        [](const std::filesystem::path& file, std::optional<std::uint64_t> stopAfter) {
            std::vector<std::string> arguments{file.string(), "Mot de Passe", "D"};
            if (stopAfter) arguments.push_back(std::to_string(*stopAfter));
            return arguments;
        },
        [](const Bytes& in) { return CipherInOneCall("Mot de Passe", CipherMode::Decipher, in); },
        seed);
}

TEST(SealboxFaults, KilledMidWriteTheFileIsWhollyOldOrPutBackAtTheNextStart) {
    ExpectWholeAcrossKills(std::nullopt, 12);
    ExpectWholeAcrossKills("copie.bin", 13);
}

TEST(SealboxFaults, AFullDiskGivesErrorDiskFullAndKeepsTheFile) {
    const Bytes plain = SampleBytes(700 * 1024);
    const FileOnSmallDisk on(1 << 20, plain, "archive.bin");
    if (!on.disk.Mounted()) GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
    SilentProgress progress;
    try {
        TransformFile(on.file, "secret", CipherMode::Decipher, progress);
        ADD_FAILURE() << "a full disk went unnoticed";
    } catch (const RunError& error) {
        EXPECT_EQ(error.Number(), run_error::kDiskFull);
    }
    EXPECT_EQ(ReadBytes(on.file), plain);
    EXPECT_TRUE(on.Alone());
}

}  // namespace
}  // namespace vortalis::sealbox
