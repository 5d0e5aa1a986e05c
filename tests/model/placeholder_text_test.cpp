// The values put into a string-table text.
#include "model/placeholder_text.h"

#include <gtest/gtest.h>

namespace
{
TEST(FillPlaceholders, EachValueInTurn)
{
    const struct
    {
        const char* pattern;
        std::initializer_list<std::string_view> values;
        const char* text;
    } cases[] = {
        {"Score : %s", {"3 / 10"}, "Score : 3 / 10"},
        {"%s et %s.", {"a", "b"}, "a et b."},
        {"%s%s", {"a", "b"}, "ab"},
        {"sans", {"a"}, "sans"},
        {"%s et %s", {"a"}, "a et %s"},
        {"100 %s", {"%s"}, "100 %s"}, // a value is not read again
        {"", {}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FillPlaceholders(c.pattern, c.values), c.text);
}
} // namespace
