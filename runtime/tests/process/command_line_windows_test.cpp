// The command-line text as a started program finds it: another program starts it
// with an exact command line, as the shell or a second Pathwell would.

#include <gtest/gtest.h>

#include "runtime/process/program_location.h"
#include "runtime/tests/support/temporary_folder.h"
#include "runtime/tests/support/windows_process.h"

namespace vortalis {
namespace {

using namespace testing;  // the shared test helpers

class StartedProgramTest : public ::testing::Test {
  protected:
    TemporaryFolder folder;
    const std::filesystem::path echo = CurrentProgram().folder / "command_line_echo.exe";

    // What the started program took as its command-line text.
    std::string TextTaken(const std::string& commandLine) {
        const testing::ProgramResult result = RunCommandLine(commandLine, folder / "out.txt");
        EXPECT_EQ(result.exitStatus, 0) << commandLine;
        return result.errorOutput;
    }
};

TEST_F(StartedProgramTest, TakesAFolderWithTwoBlanksInARowWhole) {
    EXPECT_EQ(TextTaken(QuotedProgram(echo) + " C:\\Mes  Documents\\Deux  blancs"),
              "C:\\Mes  Documents\\Deux  blancs");
}

TEST_F(StartedProgramTest, KeepsQuotesAndTrailingBlanksAndSkipsOnlyTheBlanksBefore) {
    EXPECT_EQ(TextTaken(QuotedProgram(echo) + "   \"C:\\Mes Documents\" "),
              "\"C:\\Mes Documents\" ");
    EXPECT_EQ(TextTaken(QuotedProgram(echo)), "");
}

TEST_F(StartedProgramTest, TakesWindows1252TextAsItsBytes) {
    EXPECT_EQ(TextTaken(QuotedProgram(echo) + " C:\\\xC9t\xE9,cl\xE9,C"), "C:\\\xC9t\xE9,cl\xE9,C");
}

TEST_F(StartedProgramTest, EndsABareProgramNameAtItsFirstBlank) {
    if (echo.string().find(' ') != std::string::npos)
        GTEST_SKIP() << "the build's folder has a blank: its programs need quotes";
    EXPECT_EQ(TextTaken(echo.string() + "  dossier  avec  blancs"), "dossier  avec  blancs");
}

}  // namespace
}  // namespace vortalis
