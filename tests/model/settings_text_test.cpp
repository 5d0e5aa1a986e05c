// Integer settings text: the stored format and every way a stored text can look.
#include "model/settings_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace
{
TEST(FormatSettingInt, SignedDecimal)
{
    EXPECT_EQ(FormatSettingInt(-6500), "-6500");
    EXPECT_EQ(FormatSettingInt(0), "0");
    EXPECT_EQ(FormatSettingInt(1), "1");
    EXPECT_EQ(FormatSettingInt(INT_MIN), "-2147483648");
    EXPECT_EQ(FormatSettingInt(INT_MAX), "2147483647");
}

struct ParseCase
{
    const char* text;
    int value;
};

TEST(ParseSettingInt, StoredTexts)
{
    const ParseCase cases[] = {
        {"7", 7},
        {"-1", -1},
        {"+3", 3},
        {"55%", 55},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {"+-1", 0},
        {"- 1", 0},
        {"  \t\r\n\v\f42", 42},
        {"  -6500", -6500},
        {"007", 7},
        {"1 2", 1},
        {"3.9", 3},
        {"0x10", 0},
        {"\xB2", 0}, // a Windows-1252 letter, not a digit
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"99999999999999999999999", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN},
        {"-99999999999999999999999", INT_MIN},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(ParseSettingInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(ParseSettingInt, ReadsBackWhatWasFormatted)
{
    for (int value : {INT_MIN, INT_MIN + 1, -6500, -1, 0, 1, 100, INT_MAX - 1, INT_MAX})
        EXPECT_EQ(ParseSettingInt(FormatSettingInt(value)), value);
}

TEST(ParseSettingInt, StopsAtAnEmbeddedZero)
{
    EXPECT_EQ(ParseSettingInt(std::string("12\0"
                                          "3",
                                          4)),
              12);
}
} // namespace
