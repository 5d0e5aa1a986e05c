// Fields that must hold a number and nothing else, and the blanks around texts.
#include "model/number_reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace
{
TEST(ReadWholeNumber, TheNumberAndNothingElse)
{
    const struct
    {
        std::string text;
        std::optional<double> value;
    } cases[] = {
        {"12", 12.0},
        {" 4,7\t", 4.7},
        {"4.7", 4.7},
        {"-0,5", -0.5},
        {"+3", 3.0},
        {",5", 0.5},
        {"5,", 5.0},
        {"2e3", 2000.0},
        {"1e-400", 0.0},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {",", std::nullopt},
        {"-", std::nullopt},
        {"12 V", std::nullopt},
        {"12V", std::nullopt},
        {"1,5,3", std::nullopt},
        {"1,5.3", std::nullopt},
        {"1.5.3", std::nullopt},
        {"4 7", std::nullopt},
        {"2e", std::nullopt},
        {"0x10", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"1e400", std::nullopt},
        {"-1e400", std::nullopt},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(ReadWholeNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(TrimBlanks, BothEndsOnly)
{
    EXPECT_EQ(TrimBlanks(" \t\r\n\v\f4 K7 \n"), "4 K7");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks(""), "");
    EXPECT_EQ(TrimBlanks("\xA0x"), "\xA0x"); // a non-breaking space is not a blank of the readers
}
} // namespace
