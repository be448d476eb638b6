#include "pathwell/platform/windows/windows_command_line.h"

#include <gtest/gtest.h>

namespace vortalis::pathwell {
namespace {

TEST(WindowsCommandLine, QuotesTheProgramAndFollowsItWithTheBareFolder) {
    EXPECT_EQ(WindowsCommandLineText(
                  {"C:\\Outils VORTALIS\\Pathwell.EXE", "C:\\Program Files\\Mon Dossier"}),
              "\"C:\\Outils VORTALIS\\Pathwell.EXE\" C:\\Program Files\\Mon Dossier");
}

TEST(WindowsCommandLine, QuotesAStartedPathSoBlanksCannotCutItShort) {
    EXPECT_EQ(WindowsCommandLineText({"C:\\Program Files\\jeu.exe", std::nullopt}),
              "\"C:\\Program Files\\jeu.exe\"");
}

}  // namespace
}  // namespace vortalis::pathwell
