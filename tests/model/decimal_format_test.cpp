// The number formatter against the worked examples and against a slow exact decimal reference.
#include "model/decimal_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace
{
constexpr float kFloatMax = std::numeric_limits<float>::max();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

TEST(FormatDecimal, WorkedExamplesAndEdges)
{
    const struct
    {
        float value;
        int decimals;
        const char* text;
    } cases[] = {
        {4.7f, 2, "4,7"},
        {470.0f, 2, "470"},
        {0.05f, 3, "0,05"},
        {1234.5f, 3, "1234,5"},
        {0.0f, 3, "0"},
        {0.4f, 0, "0"},
        {4700000.0f, 0, "4700000"},
        {-0.5f, 3, "-0,5"},
        {4.99f, 2, "4,99"},
        {10.0f, 2, "10"},
        {100000.0f, 0, "100000"},
        {1.0f / 6.0f, 3, "0,167"},
        {2.5f, 0, "3"}, // exact halves go away from zero
        {-2.5f, 0, "-3"},
        {0.125f, 2, "0,13"},
        {2.675f, 2, "2,67"},   // just below a half in binary
        {0.0005f, 3, "0,001"}, // just above it
        {-0.0004f, 3, "0"},    // rounded to zero: no sign
        {-0.0f, 2, "0"},
        {16777217.0f, 0, "16777216"}, // the float, not the literal
        {0.1f, 12, "0,10000000149"},
        {0.1f, -2, "0"}, // negative decimals count as none
        {kFloatMax, 0, "340282346638528859811704183484516925440"},
        {-kInfinity, 1, "-340282346638528859811704183484516925440"}, // clamped to the largest float
        {std::numeric_limits<float>::quiet_NaN(), 3, "0"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(FormatDecimal(c.value, c.decimals), c.text) << c.value << " with " << c.decimals;
    }
    const std::string smallest = FormatDecimal(std::numeric_limits<float>::denorm_min(), 400);
    EXPECT_EQ(smallest.size(), 2u + 149u); // 2^-149 in full, whatever more decimals are asked
    EXPECT_EQ(smallest.substr(smallest.size() - 6), "203125");
}

std::string MultiplyDigits(std::string digits, int factor)
{
    int carry = 0;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit)
    {
        const int product = (*digit - '0') * factor + carry;
        *digit = static_cast<char>('0' + product % 10);
        carry = product / 10;
    }
    return carry != 0 ? static_cast<char>('0' + carry) + digits : digits;
}

// Exact decimal expansion on digit strings (m x 2^-j is m x 5^j / 10^j), rounded by the next digit.
class DecimalReference
{
public:
    explicit DecimalReference(float value) : m_negative(std::signbit(value))
    {
        int exponent = 0;
        const float fraction = std::frexp(std::fabs(value), &exponent);
        m_digits = std::to_string(static_cast<std::uint32_t>(std::ldexp(fraction, 24)));
        for (exponent -= 24; exponent != 0; exponent += exponent < 0 ? 1 : -1)
        {
            m_digits = MultiplyDigits(m_digits, exponent < 0 ? 5 : 2);
            m_fractionDigits += exponent < 0 ? 1 : 0;
        }
        m_digits.insert(0, std::size_t(std::max(0, m_fractionDigits + 1 - int(m_digits.size()))), '0');
    }

    std::string Format(int decimals) const
    {
        std::string text =
            m_digits + std::string(std::size_t(std::max(0, decimals + 1 - m_fractionDigits)), '0');
        text.resize(text.size() - std::size_t(std::max(0, m_fractionDigits - decimals - 1)));
        const bool roundUp = text.back() >= '5';
        text.pop_back();
        if (roundUp)
        {
            // Carry: the last digit that is not 9 goes up, the nines after it become zeros.
            const std::size_t last = text.find_last_not_of('9');
            const std::size_t zerosFrom = last == std::string::npos ? 0 : last + 1;
            std::fill(text.begin() + std::ptrdiff_t(zerosFrom), text.end(), '0');
            if (last == std::string::npos)
                text.insert(text.begin(), '1');
            else
                ++text[last];
        }
        text.insert(text.begin() + std::ptrdiff_t(text.size() - std::size_t(decimals)), ',');
        text.erase(0, std::min(text.find_first_not_of('0'), text.find(',') - 1));
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == ',')
        {
            text.pop_back();
        }
        return m_negative && text != "0" ? "-" + text : text;
    }

private:
    bool m_negative;
    std::string m_digits;
    int m_fractionDigits = 0;
};

void ExpectSameAsReference(float value)
{
    const DecimalReference reference(value);
    for (int decimals : {0, 1, 2, 3, 6})
    {
        ASSERT_EQ(FormatDecimal(value, decimals), reference.Format(decimals))
            << std::hexfloat << value << " with " << decimals;
    }
}

TEST(FormatDecimal, MatchesReference)
{
    std::mt19937_64 random(20240607u);
    for (int i = 0; i < 4000; ++i)
    {
        const auto value = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
        if (std::isfinite(value))
        {
            ExpectSameAsReference(value);
        }
    }
    for (int i = 0; i < 20000; ++i)
    {
        // Up to 10^10 with up to four decimals: ohms, volts, amperes and watts as typed.
        const auto scaled = static_cast<float>(random() % 10'000'000'000u);
        ExpectSameAsReference(scaled / static_cast<float>(std::pow(10, random() % 5)));
    }
}

TEST(FormatDecimal, ExactHalvesMatchReference)
{
    // The halves at d decimals that a float can hold are the odd multiples of 2^-(d + 1).
    std::mt19937 random(11u);
    for (int decimals : {0, 1, 2, 3, 6})
    {
        for (int i = 0; i < 2000; ++i)
        {
            const float half =
                std::ldexp(static_cast<float>(2 * (random() % 4'000'000) + 1), -(decimals + 1));
            ExpectSameAsReference(half);
            ExpectSameAsReference(-half);
        }
    }
}
} // namespace
