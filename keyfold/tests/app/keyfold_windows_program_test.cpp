// Keyfold.exe as Windows starts it: a process of its own, its exact command line,
// its exit status and what it says when no box can be shown.

#include <gtest/gtest.h>

#include <random>

#include "cipher/tests/known_vectors.h"
#include "cipher/tests/reference_cipher.h"
#include "runtime/process/program_location.h"
#include "runtime/tests/support/one_file_test.h"
#include "runtime/tests/support/temporary_folder.h"
#include "runtime/tests/support/windows_process.h"

namespace vortalis {
namespace {

using namespace testing;  // the shared test helpers

class KeyfoldWindowsProgramTest : public OneFileTest {
  protected:
    KeyfoldWindowsProgramTest() : OneFileTest("mots de passe.txt") {}

    testing::ProgramResult RunKeyfold(const std::string& argumentText) {
        const std::filesystem::path program =
            (CurrentProgram().folder / KEYFOLD_PROGRAM).lexically_normal();
        return testing::RunCommandLine(
            testing::QuotedProgram(program) + " " + argumentText,
            folder.Path().parent_path() / (folder.Path().filename().string() + ".stderr"));
    }

    // Runs "FILE,PASSWORD,MODE" and expects a silent success.
    void Transform(const std::string& password, char mode) {
        const testing::ProgramResult result =
            RunKeyfold(file.string() + "," + password + "," + mode);
        EXPECT_EQ(result.exitStatus, 0) << password;
        EXPECT_EQ(result.errorOutput, "") << password;
    }
};

TEST_F(KeyfoldWindowsProgramTest, GivesTheKnownVectorsOfStoredFilesAndBack) {
    const Bytes plain = testing::KnownVectorPlain();
    for (const testing::KnownVector& vector : testing::kKnownVectors) {
        WriteBytes(file, plain);
        Transform(std::string(vector.password), 'C');
        EXPECT_EQ(ReadBytes(file), FromHex(vector.encipheredHex)) << vector.password;
        Transform(std::string(vector.password), 'd');
        EXPECT_EQ(ReadBytes(file), plain) << vector.password;
    }
}

TEST_F(KeyfoldWindowsProgramTest, MatchesThePlainLoopOnRandomFilesAndPasswords) {
    std::mt19937 random(14);
    // Accents, blanks (two in a row too) and quotes: the command line is taken as typed.
    const std::string letters = "abcXYZ019 \xE9\xE8\xE0\xE7\xC9\"'-_.;";
    for (const std::size_t length : {0u, 1u, 511u, 512u, 4000u, 32767u}) {
        std::string password;
        const std::size_t passwordLength = 1 + random() % 20;
        for (std::size_t i = 0; i < passwordLength; ++i)
            password += letters[random() % letters.size()];
        if (length == 4000u) password = "cl\xE9  \"deux\"";
        Bytes plain(length);
        for (auto& byte : plain) byte = static_cast<std::uint8_t>(random() % 255);
        WriteBytes(file, plain);
        Transform(password, 'C');
        const Bytes enciphered = ReferenceTransform(password, CipherMode::Encipher, plain);
        EXPECT_EQ(ReadBytes(file), enciphered) << password << " " << length;
        Transform(password, 'D');
        EXPECT_EQ(ReadBytes(file), ReferenceTransform(password, CipherMode::Decipher, enciphered))
            << password << " " << length;
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{file.filename().string()});
    }
}

// The box itself cannot be seen here: Wine without a display shows it on a
// display of nothing and closes it at once.
TEST_F(KeyfoldWindowsProgramTest, FailsWithStatusOneOnAMissingFileOrAnEmptyLine) {
    EXPECT_EQ(RunKeyfold((folder / "absent.txt").string() + ",secret,C").exitStatus, 1);
    EXPECT_EQ(RunKeyfold("").exitStatus, 1);
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(KeyfoldWindowsProgramTest, LeavesAFileOverTheLimitUntouched) {
    const Bytes tooLarge = testing::SampleBytes(32768);
    WriteBytes(file, tooLarge);
    EXPECT_EQ(RunKeyfold(file.string() + ",secret,C").exitStatus, 1);
    EXPECT_EQ(ReadBytes(file), tooLarge);
}

}  // namespace
}  // namespace vortalis
