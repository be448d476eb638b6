#include "cipher/shift_generator.h"

#include <gtest/gtest.h>

#include "cipher/keyed_shift_cipher.h"

namespace vortalis {
namespace {

struct SeedVector {
    const char* password;  // Windows-1252 bytes
    std::uint64_t sum;
    std::uint32_t state;
};

TEST(ShiftGenerator, SeedsFromThePasswordSumAsStoredFilesExpect) {
    const SeedVector vectors[] = {
        {"", 0, 0x000000},
        {"k", 107, 0x805A00},
        {"secret", 2271, 0xFEA100},
        {"cl\xE9", 1014, 0xF08F00},
        {"Mot de Passe", 7245, 0x0DBC00},
    };
    for (const auto& vector : vectors) {
        SCOPED_TRACE(vector.password);
        EXPECT_EQ(PasswordSum(vector.password), vector.sum);
        ShiftGenerator generator;
        generator.Randomize(static_cast<double>(vector.sum));
        EXPECT_EQ(generator.State(), vector.state);
    }
}

TEST(ShiftGenerator, FirstDrawAfterSeedingZeroIsKnownAndPreviousStateIsIgnored) {
    ShiftGenerator generator;
    generator.SetState(0x123456);
    generator.Randomize(0.0);
    EXPECT_DOUBLE_EQ(generator.Rnd(), 0.7641412615776062);
}

TEST(ShiftGenerator, PasswordSumWeighsEachCharacterByItsPosition) {
    EXPECT_EQ(PasswordSum("ab"), 97u + 2u * 98u);
    EXPECT_EQ(PasswordSum("ba"), 98u + 2u * 97u);
    EXPECT_EQ(PasswordSum(std::string(300, '\xFF')), 255u * 300u * 301u / 2u);
}

TEST(GeneratorLeap, EqualsSteppingOneAtATime) {
    for (std::uint64_t count : {0u, 1u, 2u, 63u, 64u, 1000u, 123457u}) {
        std::uint32_t state = 0xABCDEF;
        for (std::uint64_t i = 0; i < count; ++i) state = ShiftGenerator::Step(state);
        EXPECT_EQ(GeneratorLeap::Steps(count).Apply(0xABCDEF), state) << count;
    }
}

TEST(StepsFromZero, FindsEachStatesPlaceInTheOneCycleAllSeedsShare) {
    for (std::uint32_t steps : {0u, 1u, 2u, 64u, 0x7FFFFFu, 0x800000u, 0xABCDEFu, 0xFFFFFFu}) {
        EXPECT_EQ(StepsFromZero(GeneratorLeap::Steps(steps).Apply(0)), steps);
    }
    EXPECT_EQ(GeneratorLeap::Steps(ShiftGenerator::kPeriod).Apply(0x123456), 0x123456u);
}

}  // namespace
}  // namespace vortalis
