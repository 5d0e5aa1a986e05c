// Resistances as exact decimals, for the codes that print their digits.
#include "model/decimal_value.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace
{
constexpr int kLargestExactPower = kLargestExactPowerOfTen;
constexpr std::array<double, kLargestExactPower + 1> kPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
};

constexpr double kRelativeTolerance = 1e-9;
} // namespace

double ExactPowerOfTen(int exponent)
{
    return kPowersOfTen[static_cast<std::size_t>(exponent)];
}

double DecimalToDouble(DecimalValue value)
{
    double result = static_cast<double>(value.significand);
    int exponent = value.exponent;
    // Beyond the exact powers the result is no longer exact, only defined.
    for (; exponent > kLargestExactPower; exponent -= kLargestExactPower)
    {
        result *= ExactPowerOfTen(kLargestExactPower);
    }
    for (; exponent < -kLargestExactPower; exponent += kLargestExactPower)
    {
        result /= ExactPowerOfTen(kLargestExactPower);
    }
    return exponent >= 0 ? result * ExactPowerOfTen(exponent) : result / ExactPowerOfTen(-exponent);
}

std::optional<DecimalValue> ShortDecimal(double value, int maxDigits)
{
    if (!(value > 0.0) || !std::isfinite(value))
    {
        return std::nullopt;
    }
    // Only a first guess: near a power of ten the logarithm may round either way, which
    // gives one digit more or less and is caught below.
    const int leading = static_cast<int>(std::floor(std::log10(value)));
    for (int digits = 1; digits <= maxDigits; ++digits)
    {
        const int exponent = leading - digits + 1;
        if (exponent < -kLargestExactPower || exponent > kLargestExactPower)
        {
            return std::nullopt;
        }
        const double scaled =
            exponent >= 0 ? value / ExactPowerOfTen(exponent) : value * ExactPowerOfTen(-exponent);
        const double rounded = std::round(scaled);
        if (rounded >= 1.0 && std::fabs(scaled - rounded) <= rounded * kRelativeTolerance)
        {
            DecimalValue decimal{static_cast<std::uint64_t>(rounded), exponent};
            while (decimal.significand % 10 == 0)
            {
                decimal.significand /= 10;
                ++decimal.exponent;
            }
            if (DigitCount(decimal.significand) <= maxDigits)
            {
                return decimal;
            }
        }
    }
    return std::nullopt;
}

int DigitCount(std::uint64_t number)
{
    int count = 1;
    while (number >= 10)
    {
        number /= 10;
        ++count;
    }
    return count;
}
