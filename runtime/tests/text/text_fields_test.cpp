#include "runtime/text/text_fields.h"

#include <gtest/gtest.h>

#include <vector>

namespace vortalis {
namespace {

std::vector<std::string> AllFields(std::string_view text) {
    TextFieldReader reader(text);
    std::vector<std::string> fields;
    while (auto field = reader.Next()) fields.push_back(*field);
    return fields;
}

using Fields = std::vector<std::string>;

TEST(TextFieldReader, SplitsAtCommasAndLineEndsSkippingBlanksAroundFields) {
    EXPECT_EQ(AllFields("0,0\r\n4995, 4995 \r\nArial,9,0,0\r\n 8454143 , 0 \r\n"),
              (Fields{"0", "0", "4995", "4995", "Arial", "9", "0", "0", "8454143", "0"}));
    EXPECT_EQ(AllFields("a\nb\rc"), (Fields{"a", "b", "c"}));
    EXPECT_EQ(AllFields("a,,b,\r\n"), (Fields{"a", "", "b", ""}));
    EXPECT_EQ(AllFields("a,"), (Fields{"a", ""}));
    EXPECT_EQ(AllFields("\r\n\r\n  x  \r\n\r\n"), (Fields{"x"}));
    EXPECT_TRUE(AllFields("").empty());
}

TEST(TextFieldReader, AQuotedFieldRunsToItsClosingQuote) {
    EXPECT_EQ(AllFields("\"Times, New\",12"), (Fields{"Times, New", "12"}));
    EXPECT_EQ(AllFields("  \" padded \"  ,x"), (Fields{" padded ", "x"}));
    EXPECT_EQ(AllFields("\"never closed"), (Fields{"never closed"}));
    EXPECT_EQ(AllFields("\"a\"junk,b"), (Fields{"a", "b"}));
}

TEST(TextFieldReader, CountsTheFieldsItRead) {
    TextFieldReader reader("1,2,3");
    while (reader.Next()) {
    }
    EXPECT_EQ(reader.FieldsRead(), 3u);
}

TEST(ParseNumber, TakesDecimalNumbersOnly) {
    EXPECT_EQ(ParseNumber(" 8454143 "), 8454143.0);
    EXPECT_EQ(ParseNumber("-60"), -60.0);
    EXPECT_EQ(ParseNumber("+7"), 7.0);
    EXPECT_EQ(ParseNumber("1.5E3"), 1500.0);
    for (std::string_view bad :
         {"", " ", "abc", "12abc", "--1", "+-1", "0x10", "nan", "inf", "1e999"}) {
        EXPECT_FALSE(ParseNumber(bad)) << bad;
    }
}

TEST(ParseWholeNumber, RoundsHalvesToEvenAndChecksTheRange) {
    EXPECT_EQ(ParseWholeNumber("10.5", -32768, 32767), 10);
    EXPECT_EQ(ParseWholeNumber("11.5", -32768, 32767), 12);
    EXPECT_EQ(ParseWholeNumber("32767", -32768, 32767), 32767);
    EXPECT_FALSE(ParseWholeNumber("32768", -32768, 32767));
    EXPECT_EQ(ParseWholeNumber("-2147483648", INT32_MIN, INT32_MAX), INT32_MIN);
    EXPECT_FALSE(ParseWholeNumber("x", INT32_MIN, INT32_MAX));
}

}  // namespace
}  // namespace vortalis
