#include "sealbox/core/colour_scheme.h"

#include <gtest/gtest.h>

#include "runtime/errors/run_error.h"
#include "runtime/tests/support/temporary_folder.h"

namespace vortalis::sealbox {
namespace {

std::string TwentyFields() {
    std::string text = "\"VORTALIS\",\"C:\\PRODUIT\"\r\n";
    for (int i = 3; i <= 20; ++i) text += std::to_string(i) + (i % 5 == 0 ? "\r\n" : ",");
    return text;
}

int ErrorNumber(std::string_view text) {
    try {
        ParseColourScheme(text);
    } catch (const RunError& error) {
        return error.Number();
    }
    return 0;
}

TEST(ColourSchemeTest, TakesFieldsTwentyOneToTwentyFive) {
    const ColourScheme scheme =
        ParseColourScheme(TwentyFields() + "16777215, 0 ,8454143\r\n-2147483633,255\r\n99\r\n");
    EXPECT_EQ(scheme.colours,
              (std::array<std::int32_t, 5>{16777215, 0, 8454143,
                                           static_cast<std::int32_t>(0x8000000F), 255}));
}

TEST(ColourSchemeTest, AShortFileOrAColourThatIsNoNumberIsAnError) {
    EXPECT_EQ(ErrorNumber(TwentyFields() + "1,2,3,4\r\n"), run_error::kInputPastEnd);
    EXPECT_EQ(ErrorNumber(""), run_error::kInputPastEnd);
    EXPECT_EQ(ErrorNumber(TwentyFields() + "1,2,bleu,4,5\r\n"), run_error::kTypeMismatch);
    EXPECT_EQ(ErrorNumber(TwentyFields() + "1,2,3,4,99999999999\r\n"), run_error::kOverflow);
}

TEST(ColourSchemeTest, ReadsTheFileOrSaysWhyItCannot) {
    testing::TemporaryFolder folder;
    const auto file = folder / "vortalis.ini";
    const std::string text = TwentyFields() + "1,2,3,4,5\r\n";
    testing::WriteBytes(file, testing::Bytes(text.begin(), text.end()));
    EXPECT_EQ(ReadColourScheme(file).colours, (std::array<std::int32_t, 5>{1, 2, 3, 4, 5}));
    EXPECT_THROW(ReadColourScheme(folder / "absent.ini"), RunError);
}

TEST(ColourSchemeTest, AnErrorNamesTheColourFileAndTheField) {
    testing::TemporaryFolder folder;
    const auto file = folder / "vortalis.ini";
    const std::string text = TwentyFields() + "1,2,vert\r\n";
    testing::WriteBytes(file, testing::Bytes(text.begin(), text.end()));
    try {
        ReadColourScheme(file);
        ADD_FAILURE() << "no error";
    } catch (const RunError& error) {
        EXPECT_EQ(error.Number(), run_error::kTypeMismatch);
        EXPECT_TRUE(error.Description().starts_with("Type incompatible"));
        EXPECT_NE(error.Description().find(file.string()), std::string::npos);
        EXPECT_NE(error.Description().find("champ 23 sur 25"), std::string::npos);
    }
}

}  // namespace
}  // namespace vortalis::sealbox
