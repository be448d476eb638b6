#include "runtime/process/command_line.h"

#include <gtest/gtest.h>

namespace vortalis {
namespace {

TEST(ArgumentTextOf, SkipsAQuotedProgramNameAndTheBlanksAfterIt) {
    EXPECT_EQ(ArgumentTextOf("\"C:\\Program Files\\Pathwell.exe\"   C:\\Mes  Documents"),
              "C:\\Mes  Documents");
    EXPECT_EQ(ArgumentTextOf("\"C:\\Outils\\Pathwell.exe\""), "");
}

TEST(ArgumentTextOf, EndsABareProgramNameAtItsFirstBlank) {
    EXPECT_EQ(ArgumentTextOf("C:\\OUTILS\\PATHWELL.EXE C:\\Mes Documents"), "C:\\Mes Documents");
    EXPECT_EQ(ArgumentTextOf("Keyfold\tfichier,clé,C"), "fichier,clé,C");
    EXPECT_EQ(ArgumentTextOf("Keyfold"), "");
    EXPECT_EQ(ArgumentTextOf(""), "");
}

TEST(ArgumentTextOf, KeepsQuotesInnerAndTrailingBlanksOfTheArguments) {
    EXPECT_EQ(ArgumentTextOf("Pathwell \"C:\\Mes  Documents\" "), "\"C:\\Mes  Documents\" ");
    // A quote inside the program part does not end it early.
    EXPECT_EQ(ArgumentTextOf("C:\\a\"b\\Pathwell.exe x"), "x");
    EXPECT_EQ(ArgumentTextOf("\"C:\\sans fin"), "");
}

}  // namespace
}  // namespace vortalis
