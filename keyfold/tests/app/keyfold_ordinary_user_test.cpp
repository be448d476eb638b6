// Keyfold run by an ordinary user on files that user marked read-only or shares
// with others: what the user set on a file stays.

#include <gtest/gtest.h>

#include "cipher/tests/one_call_cipher.h"
#include "runtime/tests/support/ordinary_user.h"

namespace vortalis::keyfold {
namespace {

using namespace testing;  // the shared test helpers

class KeyfoldOrdinaryUserTest : public testing::OrdinaryUserTest {};

TEST_F(KeyfoldOrdinaryUserTest, RefusesAFileTheUserMadeReadOnly) {
    const auto plain = SampleBytes(1000);
    const auto file = MakeReadOnlyFile(plain);
    const auto result = RunAsUser(KEYFOLD_PROGRAM, {file.string() + ",secret,C"});
    ExpectReadOnlyFileUntouched(file, plain, result);
}

TEST_F(KeyfoldOrdinaryUserTest, KeepsTheOwnerGroupModeAttributesAndAccessListOfASharedFile) {
    const auto plain = SampleBytes(2000);
    const auto file = MakeSharedFile(plain);
    if (file.empty()) GTEST_SKIP() << "this file system takes no user attributes or access lists";
    const auto result = RunAsUser(KEYFOLD_PROGRAM, {file.string() + ",secret,C"});
    ASSERT_EQ(result.exitStatus, 0) << result.errorOutput;
    EXPECT_EQ(ReadBytes(file), CipherInOneCall("secret", CipherMode::Encipher, plain));
    ExpectSharedFileKept(file);
}

}  // namespace
}  // namespace vortalis::keyfold
