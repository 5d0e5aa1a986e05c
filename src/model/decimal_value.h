// Resistances as exact decimals, for the codes that print their digits.
#pragma once

#include <cstdint>
#include <optional>

// significand x 10^exponent, in whatever unit the caller counts.
struct DecimalValue
{
    std::uint64_t significand = 0;
    int exponent = 0;

    bool operator==(const DecimalValue&) const = default;
};

// Every power of ten up to 10^22 is exact in a double.
constexpr int kLargestExactPowerOfTen = 22;

// 10^exponent for an exponent from 0 to kLargestExactPowerOfTen.
double ExactPowerOfTen(int exponent);

// The double nearest to the decimal: exact for every significand below 2^53 with an exponent
// within -22 to 22, so that equal decimals always give equal doubles.
double DecimalToDouble(DecimalValue value);

// The value as a decimal of at most maxDigits significant digits, without trailing zeros in the
// significand; nothing when it needs more, or for a value that is not positive and finite.
// A value counts as the decimal when it lies within a billionth of it: a double read from a
// text such as "4,7" kilo-ohms may miss the decimal by the last bit, never by that much.
std::optional<DecimalValue> ShortDecimal(double value, int maxDigits);

// Decimal digits of a number: 1 for 0 to 9.
int DigitCount(std::uint64_t number);
