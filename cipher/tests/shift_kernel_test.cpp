#include "cipher/shift_kernel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "cipher/period_shift_kernel.h"
#include "cipher/shift_stream.h"
#include "cipher/tests/random_password.h"
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

constexpr ShiftKernel kKernels[] = {ShiftKernel::Baseline, ShiftKernel::Avx2, ShiftKernel::Avx512};

INSTANTIATE_TEST_SUITE_P(EachKernel, ShiftKernelTest, ::testing::ValuesIn(kKernels),
                         [](const auto& kernel) {
                             return std::string(ShiftKernelName(kernel.param));
                         });

// Past one cycle of the generator the offsets come from a table (PeriodOffsets).

constexpr std::uint32_t kPeriod = PeriodOffsets::kPeriod;

// Random bytes, one in five of them 255 so that losses are counted too.
Bytes DataWithBytes255(std::size_t count, std::mt19937& random) {
    std::uniform_int_distribution<int> byte(0, 255 * 5 / 4);
    Bytes data(count);
    for (auto& value : data) value = static_cast<std::uint8_t>(std::min(byte(random), 255));
    return data;
}

std::uint32_t StateBeforePosition(std::uint32_t position) {
    return GeneratorLeap::Steps((position + kPeriod - 1) % kPeriod).Apply(0);
}

TEST(PeriodOffsets, ShiftAsTheComputedOffsetsDoAcrossEveryPartOfEachLayout) {
    std::mt19937 random(11);
    const Bytes data = DataWithBytes255(600, random);
    for (std::uint64_t length :
         {0u,  1u,  2u,   3u,   5u,   8u,   9u,   16u,  17u,    33u,
          64u, 65u, 128u, 129u, 255u, 256u, 257u, 300u, 70000u, (1u << 19) + 3}) {
        const auto offsets = PeriodOffsets::Build(length, BestShiftKernel());
        ASSERT_TRUE(offsets);
        EXPECT_LE(offsets->MemoryBytes(), kPeriod + PeriodOffsets::kRowBytes);
        // Windows that start 37 bytes before each part (the cycle's end included).
        for (std::uint32_t part = 0; part < kPeriod; part += offsets->PartLength()) {
            const std::uint32_t position = (part + kPeriod - 37) % kPeriod;
            for (bool encipher : {true, false}) {
                Bytes expected(data.size());
                const ShiftOutcome computed =
                    ShiftBytesWith(ShiftKernel::Baseline, data.data(), expected.data(), data.size(),
                                   StateBeforePosition(position), length, encipher);
                for (ShiftKernel kernel : kKernels) {
                    if (!ShiftKernelAvailable(kernel)) continue;
                    Bytes out(data.size());
                    EXPECT_EQ(ShiftBytesFromTable(kernel, *offsets, data.data(), out.data(),
                                                  data.size(), position, encipher),
                              computed.unrecoverable);
                    ASSERT_EQ(out, expected) << "length " << length << ", position " << position
                                             << ", " << ShiftKernelName(kernel);
                }
            }
        }
    }
}

// Passes past two cycles against the plain loop, on every kernel: in one call
// (the table kept from the pass before), and in calls that straddle the end of
// the first cycle, the table's end and its middle (a part boundary), ending mid-cycle.
TEST(ShiftStream, LongPassesMatchThePlainLoopHoweverTheyAreCut) {
    std::mt19937 random(12);
    const std::size_t total = 2 * std::size_t{kPeriod} + 4321;
    const Bytes data = DataWithBytes255(total, random);
    for (std::size_t length : {1u, 2u, 255u, 256u, 257u, 300u}) {
        const std::string password = testing::RandomPassword(length, random);
        const std::uint32_t seed = testing::ReferenceGenerator(password).State();
        Bytes enciphered(total);
        Bytes deciphered(total);
        std::uint64_t lost = 0;
        ShiftGenerator generator = testing::ReferenceGenerator(password);
        for (std::size_t i = 0; i < total; ++i) {
            const std::uint64_t offset = testing::ReferenceOffset(generator, length);
            lost += data[i] == 0xFF && offset != 0;
            enciphered[i] = testing::ReferenceShift(data[i], offset, CipherMode::Encipher);
            deciphered[i] = testing::ReferenceShift(data[i], offset, CipherMode::Decipher);
        }

        const std::size_t tableEnd = kPeriod + (kPeriod - (StepsFromZero(seed) + 1) % kPeriod);
        const std::size_t tableMiddle =
            tableEnd + kPeriod / 2 - (tableEnd >= 3 * kPeriod / 2 ? kPeriod : 0);
        std::vector<std::size_t> cuts{
            kPeriod - 1000, kPeriod - 1,   kPeriod + 999,    kPeriod + 1999,   tableEnd - 1,
            tableEnd,       tableEnd + 63, tableMiddle - 33, tableMiddle + 31, total};
        std::sort(cuts.begin(), cuts.end());
        cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());

        for (ShiftKernel kernel : kKernels) {
            if (!ShiftKernelAvailable(kernel)) continue;
            for (bool encipher : {true, false}) {
                SCOPED_TRACE(::testing::Message()
                             << "length " << length << ", " << ShiftKernelName(kernel));
                const Bytes& expected = encipher ? enciphered : deciphered;
                ShiftStream stream(kernel);
                stream.Start(seed, length, encipher);
                Bytes out(total);
                std::uint64_t counted = 0;
                for (std::size_t at = 0; std::size_t cut : cuts) {
                    counted += stream.Shift(data.data() + at, out.data() + at, cut - at);
                    EXPECT_EQ(stream.TableBytes() != 0, cut > kPeriod) << cut;
                    at = cut;
                }
                ASSERT_EQ(out, expected);
                EXPECT_EQ(counted, encipher ? lost : 0);
                EXPECT_EQ(stream.State(), GeneratorLeap::Steps(total).Apply(seed));

                stream.Start(seed, length, encipher);
                std::fill(out.begin(), out.end(), 0);
                EXPECT_EQ(stream.Shift(data.data(), out.data(), total), encipher ? lost : 0);
                ASSERT_EQ(out, expected);
                EXPECT_EQ(stream.TableBytes(), PeriodOffsets::MemoryBytesFor(length));
            }
        }
    }
}

}  // namespace
}  // namespace vortalis
