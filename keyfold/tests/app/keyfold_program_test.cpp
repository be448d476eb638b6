// Keyfold as a user runs it: a separate process, its exit status and what it says.

#include <gtest/gtest.h>

#include "runtime/tests/support/child_process.h"
#include "runtime/tests/support/temporary_folder.h"

namespace vortalis::keyfold {
namespace {

using namespace testing;  // the shared test helpers

class KeyfoldProgramTest : public ::testing::Test {
  protected:
    TemporaryFolder folder;

    testing::ProgramResult RunKeyfold(const std::vector<std::string>& arguments,
                                      const char* display = nullptr) {
        return testing::RunProgram(KEYFOLD_PROGRAM, arguments, folder / ".stderr", display);
    }
};

TEST_F(KeyfoldProgramTest, SucceedsSilentlyWithStatusZero) {
    const auto file = folder / "a file.txt";
    const auto plain = SampleBytes(1000);
    WriteBytes(file, plain);
    // The shell hands over separate words; Keyfold joins them with single spaces.
    const std::string path = file.string();
    const auto space = path.rfind(' ');
    const testing::ProgramResult enciphered =
        RunKeyfold({path.substr(0, space), path.substr(space + 1) + ",clé,C"});
    EXPECT_EQ(enciphered.exitStatus, 0);
    EXPECT_EQ(enciphered.errorOutput, "");
    EXPECT_NE(ReadBytes(file), plain);
    EXPECT_EQ(RunKeyfold({path + ",clé,D"}).exitStatus, 0);
    EXPECT_EQ(ReadBytes(file), plain);
}

TEST_F(KeyfoldProgramTest, ReportsAnErrorWithItsNumberDescriptionAndFileAndFails) {
    const auto absent = (folder / "absent.txt").string();
    const testing::ProgramResult missing = RunKeyfold({absent + ",secret,C"});
    EXPECT_EQ(missing.exitStatus, 1);
    EXPECT_TRUE(
        missing.errorOutput.starts_with("Keyfold : Erreur : 53\n         Fichier introuvable"))
        << missing.errorOutput;
    EXPECT_NE(missing.errorOutput.find(absent), std::string::npos) << "names the file";

    const testing::ProgramResult empty = RunKeyfold({});
    EXPECT_EQ(empty.exitStatus, 1);
    EXPECT_TRUE(empty.errorOutput.starts_with("Keyfold : Erreur : 52")) << empty.errorOutput;
    EXPECT_NE(empty.errorOutput.find("Keyfold \"FICHIER,MOT DE PASSE,C|D\""), std::string::npos)
        << "an empty command line is shown what one looks like";
}

TEST_F(KeyfoldProgramTest, RefusesAFileOfMode0444WhoeverRunsIt) {
    // CI runs as the superuser, whom the system itself would let write.
    const auto file = folder / "figé.txt";
    const auto plain = SampleBytes(100);
    WriteBytes(file, plain);
    std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
    const testing::ProgramResult refused = RunKeyfold({file.string() + ",secret,C"});
    EXPECT_EQ(refused.exitStatus, 1);
    EXPECT_TRUE(refused.errorOutput.starts_with("Keyfold : Erreur : 70")) << refused.errorOutput;
    EXPECT_EQ(ReadBytes(file), plain);
}

TEST_F(KeyfoldProgramTest, AnUnreachableDisplayFallsBackToStandardError) {
    const testing::ProgramResult result =
        RunKeyfold({(folder / "absent.txt").string() + ",secret,C"}, ":97");
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_NE(result.errorOutput.find("Keyfold : Erreur : 53\n         Fichier introuvable"),
              std::string::npos)
        << result.errorOutput;
}

}  // namespace
}  // namespace vortalis::keyfold
