// The shortest decimal of a double, and back.
#include "model/decimal_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace
{
TEST(ShortDecimal, FewestDigitsWithinABillionth)
{
    const struct
    {
        double value;
        int maxDigits;
        std::optional<DecimalValue> decimal;
    } cases[] = {
        {4.7e6, 2, DecimalValue{47, 5}},
        {std::nextafter(4.7e6, 0.0), 2, DecimalValue{47, 5}}, // a text's reading that misses by the last bit
        {std::nextafter(1000.0, 0.0), 1, DecimalValue{1, 3}}, // just below a power of ten
        {999.0, 2, std::nullopt},
        {0.0015, 2, DecimalValue{15, -4}},
        {4700.0 * (1.0 + 1e-8), 4, std::nullopt}, // beyond a billionth
        {1e-30, 3, std::nullopt},                 // beyond the exact powers
        {0.0, 3, std::nullopt},
        {-4.7, 3, std::nullopt},
        {std::numeric_limits<double>::infinity(), 3, std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), 3, std::nullopt},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(ShortDecimal(c.value, c.maxDigits), c.decimal) << c.value << " in " << c.maxDigits;
    }
}

TEST(ShortDecimal, RoundTripsEveryFourDigitDecimal)
{
    for (int exponent = -6; exponent <= 12; exponent += 3)
    {
        for (std::uint64_t significand = 1; significand < 10'000; ++significand)
        {
            const DecimalValue decimal{significand, exponent};
            if (significand % 10 != 0)
            {
                ASSERT_EQ(ShortDecimal(DecimalToDouble(decimal), 4), decimal)
                    << significand << "e" << exponent;
            }
        }
    }
}
} // namespace
