#include "cipher/shift_kernel.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "cipher/tests/reference_cipher.h"

namespace vortalis {
namespace {

using Bytes = std::vector<std::uint8_t>;

class ShiftKernelTest : public ::testing::TestWithParam<ShiftKernel> {
  protected:
    void SetUp() override {
        if (!ShiftKernelAvailable(GetParam()))
            GTEST_SKIP() << "this processor lacks the instructions";
    }

    // The kernel against the plain loop, on random data, in both modes.
    void ExpectSameAsPlainLoop(std::size_t passwordLength, std::size_t dataLength) {
        std::uniform_int_distribution<int> byte(0, 255);
        std::string password(passwordLength, '\0');
        for (auto& character : password) character = static_cast<char>(byte(random_));
        Bytes data(dataLength);
        for (auto& value : data) value = static_cast<std::uint8_t>(byte(random_));

        ShiftGenerator generator;
        generator.Randomize(static_cast<double>(PasswordSum(password)));
        for (CipherMode mode : {CipherMode::Encipher, CipherMode::Decipher}) {
            Bytes out(data.size());
            ShiftBytesWith(GetParam(), data.data(), out.data(), data.size(), generator.State(),
                           password.size(), mode == CipherMode::Encipher);
            ASSERT_EQ(out, testing::ReferenceTransform(password, mode, data))
                << "password length " << passwordLength;
        }
    }

    std::mt19937 random_{5};
};

TEST_P(ShiftKernelTest, MatchesThePlainLoopForEveryPasswordLengthUpTo300) {
    for (std::size_t length = 0; length <= 300; ++length)
        ExpectSameAsPlainLoop(length, 1000 + length);
}

TEST_P(ShiftKernelTest, MatchesThePlainLoopForPasswordsPastTheLaneLimits) {
    for (std::size_t length : {70000u, (1u << 19) - 1, 1u << 19, (1u << 19) + 3})
        ExpectSameAsPlainLoop(length, 3000);
}

TEST_P(ShiftKernelTest, ReportsWhereItLeavesTheGeneratorAndTheBytes255ItLoses) {
    Bytes data(1000, 0xFF);
    const std::string password = "Mot de Passe";
    ShiftGenerator generator;
    generator.Randomize(static_cast<double>(PasswordSum(password)));
    const ShiftOutcome outcome = ShiftBytesWith(GetParam(), data.data(), data.data(), data.size(),
                                                generator.State(), password.size(), true);
    const auto offsets = testing::ReferenceOffsets(password, data.size());
    EXPECT_EQ(outcome.unrecoverable, data.size() - std::count(offsets.begin(), offsets.end(), 0u));
    for (std::size_t i = 0; i < data.size(); ++i) generator.NextState();
    EXPECT_EQ(outcome.state, generator.State());
}

std::string KernelName(const ::testing::TestParamInfo<ShiftKernel>& kernel) {
    switch (kernel.param) {
        case ShiftKernel::Baseline:
            return "Baseline";
        case ShiftKernel::Avx2:
            return "Avx2";
        case ShiftKernel::Avx512:
            return "Avx512";
    }
    return "Unknown";
}

INSTANTIATE_TEST_SUITE_P(EachKernel, ShiftKernelTest,
                         ::testing::Values(ShiftKernel::Baseline, ShiftKernel::Avx2,
                                           ShiftKernel::Avx512),
                         KernelName);

}  // namespace
}  // namespace vortalis
