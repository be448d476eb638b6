// Sealbox's transform run by an ordinary user on files that user marked
// read-only, shares with others, or may write in a folder it may not.

#include <gtest/gtest.h>

#include "cipher/tests/one_call_cipher.h"
#include "cipher/tests/reference_cipher.h"
#include "runtime/tests/support/ordinary_user.h"

namespace vortalis::sealbox {
namespace {

using namespace testing;  // the shared test helpers

class SealboxOrdinaryUserTest : public testing::OrdinaryUserTest {
  protected:
    testing::ProgramResult Transform(const std::filesystem::path& file, const char* mode) {
        return RunAsUser(TRANSFORM_FILE_RUN, {file.string(), "secret", mode});
    }
};

TEST_F(SealboxOrdinaryUserTest, RefusesAFileTheUserMadeReadOnly) {
    const auto plain = SampleBytes(3000);
    const auto file = MakeReadOnlyFile(plain);
    ExpectReadOnlyFileUntouched(file, plain, Transform(file, "C"));
}

TEST_F(SealboxOrdinaryUserTest, KeepsTheOwnerGroupModeAttributesAndAccessListOfASharedFile) {
    const auto plain = SampleBytes(1500000);
    const auto file = MakeSharedFile(plain);
    if (file.empty()) GTEST_SKIP() << "this file system takes no user attributes or access lists";
    const auto result = Transform(file, "C");
    ASSERT_EQ(result.exitStatus, 0) << result.errorOutput;
    EXPECT_EQ(ReadBytes(file), testing::CipherInOneCall("secret", CipherMode::Encipher, plain));
    ExpectSharedFileKept(file);
}

TEST_F(SealboxOrdinaryUserTest, TransformsAWritableFileInAFolderTheUserMayNotWrite) {
    const auto folder = scratch / "closed";
    std::filesystem::create_directories(folder);
    testing::GiveTo(folder, {0, 0, 0755});
    const auto file = folder / "ouvert.bin";
    const auto plain = SampleBytes(700000);
    WriteBytes(file, plain);
    testing::GiveTo(file, {user.owner, user.group, 0644});
    const auto result = Transform(file, "D");
    ASSERT_EQ(result.exitStatus, 0) << result.errorOutput;
    EXPECT_EQ(ReadBytes(file), testing::ReferenceTransform("secret", CipherMode::Decipher, plain));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_TRUE(Backups().empty());
}

}  // namespace
}  // namespace vortalis::sealbox
