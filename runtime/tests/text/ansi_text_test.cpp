#include "runtime/text/ansi_text.h"

#include <gtest/gtest.h>

namespace vortalis {
namespace {

TEST(AnsiText, FrenchTextBecomesSingleWindows1252Bytes) {
    EXPECT_EQ(Utf8ToAnsi("clé"), "cl\xE9");
    EXPECT_EQ(Utf8ToAnsi("Détail du Répertoire"), "D\xE9tail du R\xE9pertoire");
    EXPECT_EQ(Utf8ToAnsi("€ œ Ÿ ž ¯"), "\x80 \x9C \x9F \x9E \xAF");
    EXPECT_EQ(Utf8ToAnsi(""), "");
}

TEST(AnsiText, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
    EXPECT_EQ(AnsiToUtf8("\x9E"), "ž");
}

TEST(AnsiText, RefusesWhatHasNoWindows1252FormInsteadOfReplacingIt) {
    EXPECT_THROW(Utf8ToAnsi("snow ☃"), AnsiConversionError);
    EXPECT_THROW(Utf8ToAnsi("Ω"), AnsiConversionError);
    EXPECT_THROW(Utf8ToAnsi("\xE9t\xE9"), AnsiConversionError);     // Latin-1 bytes, not UTF-8
    EXPECT_THROW(Utf8ToAnsi("\xC0\xAF"), AnsiConversionError);      // overlong "/"
    EXPECT_THROW(Utf8ToAnsi("\xED\xA0\x80"), AnsiConversionError);  // a surrogate
    EXPECT_THROW(Utf8ToAnsi("caf\xC3"), AnsiConversionError);       // cut short
    try {
        Utf8ToAnsi("a☃");
        ADD_FAILURE() << "a snowman has no Windows-1252 form";
    } catch (const AnsiConversionError& error) {
        EXPECT_NE(std::string(error.what()).find("U+2603"), std::string::npos) << error.what();
    }
}

}  // namespace
}  // namespace vortalis
