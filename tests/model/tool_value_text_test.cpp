// The tools' resistance texts: the unit at each step of a thousand, every digit a code holds.
#include "model/tool_value_text.h"

#include <gtest/gtest.h>

namespace
{
TEST(ResistanceText, UnitByThousandsAndEveryDigitOfACode)
{
    const struct
    {
        double milliohms;
        const char* text;
    } cases[] = {
        {0.0, "0 Ohms"},           {1.5, "1,5 mOhms"},       {999.0, "999 mOhms"},     {1000.0, "1 Ohms"},
        {999'900.0, "999,9 Ohms"}, {4.753e6, "4,753 kOhms"}, {-4.7e6, "4,7 kOhms"},    {1e9, "1 MOhms"},
        {97.6e9, "97,6 MOhms"},    {9.999e12, "9999 MOhms"}, {999e12, "999000 MOhms"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(ResistanceText(c.milliohms), c.text) << c.milliohms;
    }
}
} // namespace

namespace
{
TEST(ErrorPercentText, SignThreeDecimalsAndZero)
{
    const struct
    {
        double percent;
        const char* text;
    } cases[] = {
        {0.125, "+0,125 %"}, {-1.5, "-1,5 %"}, {0.0, "0 %"},         {-0.0, "0 %"},
        {0.0004, "0 %"},     {-0.0004, "0 %"}, {0.0005, "+0,001 %"}, {12.0, "+12 %"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(ErrorPercentText(c.percent), c.text) << c.percent;
    }
}
} // namespace
