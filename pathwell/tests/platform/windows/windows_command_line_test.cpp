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

TEST(WindowsCommandLine, TheRelaunchLineKeepsEveryLetterInUtf16) {
    EXPECT_EQ(WideCommandLine({"C:\\Outils été\\Pathwell.EXE", "Z:\\Ω été"}),
              L"\"C:\\Outils \u00E9t\u00E9\\Pathwell.EXE\" Z:\\\u03A9 \u00E9t\u00E9");
}

}  // namespace
}  // namespace vortalis::pathwell
