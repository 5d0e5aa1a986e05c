// Fields that must hold a number and nothing else.
#include "model/number_reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace
{
constexpr std::optional<double> kNone = std::nullopt;

TEST(ReadWholeNumber, TheNumberAndNothingElse)
{
    const struct
    {
        std::string text;
        std::optional<double> value;
    } cases[] = {
        {"12", 12.0},    {" 4,7\t", 4.7}, {"4.7", 4.7},    {"-0,5", -0.5},   {",5", 0.5},
        {"2e3", 2000.0}, {"1e-400", 0.0}, {"", kNone},     {"  ", kNone},    {",", kNone},
        {"-", kNone},    {"12 V", kNone}, {"12V", kNone},  {"1,5,3", kNone}, {"1,5.3", kNone},
        {"4 7", kNone},  {"2e", kNone},   {"0x10", kNone}, {"inf", kNone},   {"1e400", kNone},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(ReadWholeNumber(c.text), c.value) << '"' << c.text << '"';
    }
}
} // namespace
