#include "keyfold/core/keyfold_command_line.h"

#include <gtest/gtest.h>

namespace vortalis::keyfold {
namespace {

void ExpectFields(std::string_view commandLine, const KeyfoldFields& expected) {
    const KeyfoldFields fields = SplitKeyfoldCommandLine(commandLine);
    EXPECT_EQ(fields.fileName, expected.fileName) << commandLine;
    EXPECT_EQ(fields.password, expected.password) << commandLine;
    EXPECT_EQ(fields.mode, expected.mode) << commandLine;
}

TEST(KeyfoldCommandLine, CutsAtCommasOnlyAndTrimsNothing) {
    ExpectFields("notes.txt,secret,C", {"notes.txt", "secret", "C"});
    ExpectFields("my notes.txt,two words,D", {"my notes.txt", "two words", "D"});
    ExpectFields("f, secret, C", {"f", " secret", " C"});
    ExpectFields("\"f\",\"p\",C", {"\"f\"", "\"p\"", "C"});
}

TEST(KeyfoldCommandLine, LaterCommasAreDroppedAndRunOnIntoTheMode) {
    ExpectFields("f,p,C,extra", {"f", "p", "Cextra"});
    ExpectFields("f,p,,C", {"f", "p", "C"});
}

TEST(KeyfoldCommandLine, MissingFieldsStayEmpty) {
    ExpectFields("", {"", "", ""});
    ExpectFields("f", {"f", "", ""});
    ExpectFields("f,p", {"f", "p", ""});
}

TEST(KeyfoldCommandLine, ModeIsCOrDInEitherCaseAndNothingElse) {
    EXPECT_EQ(ParseKeyfoldMode("C"), CipherMode::Encipher);
    EXPECT_EQ(ParseKeyfoldMode("c"), CipherMode::Encipher);
    EXPECT_EQ(ParseKeyfoldMode("D"), CipherMode::Decipher);
    EXPECT_EQ(ParseKeyfoldMode("d"), CipherMode::Decipher);
    for (std::string_view other : {"", " C", "C ", "CD", "X", "Cextra"}) {
        EXPECT_FALSE(ParseKeyfoldMode(other)) << other;
    }
}

}  // namespace
}  // namespace vortalis::keyfold
