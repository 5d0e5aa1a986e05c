// The SMD markings of a resistance, in each code that can write it.
#include "model/smd_marking_writer.h"

#include "model/decimal_value.h"
#include "model/resistance_range.h"
#include "model/series_tables.h"
#include "model/smd_code.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <utility>

namespace
{
// The letter code holds the most digits.
constexpr int kMostDigits = 4;

SmdMarking Written(std::string text)
{
    return {std::move(text), SmdWriteFault::None};
}

SmdMarking Fault(SmdWriteFault fault)
{
    return {std::string(), fault};
}

// The value as the codes see it: its decimal in ohms when it has few enough digits for any code.
struct CodeValue
{
    double ohms = 0.0;
    std::optional<DecimalValue> decimal;
};

CodeValue ToCodeValue(double milliohms)
{
    CodeValue value;
    const double clamped = ClampMilliohms(milliohms);
    const std::optional<DecimalValue> decimal = ShortDecimal(clamped, kMostDigits);
    if (decimal)
    {
        value.decimal = DecimalValue{decimal->significand, decimal->exponent - 3};
        // Compared with a code's limits as the exact decimal, so that a value that misses a
        // limit by the last bit of a double is not out of range.
        value.ohms = DecimalToDouble(*value.decimal);
    }
    else
    {
        value.ohms = clamped * 0.001;
    }
    return value;
}

// Integer digits of the decimal's value, 0 or less below 1.
int IntegerDigits(DecimalValue decimal)
{
    return DigitCount(decimal.significand) + decimal.exponent;
}

// The significand moved `shift` places to the left.
std::uint64_t Shifted(std::uint64_t significand, int shift)
{
    for (int i = 0; i < shift; ++i)
    {
        significand *= 10;
    }
    return significand;
}

// `count` digits of the number, with leading zeros.
std::string DigitsText(std::uint64_t number, int count)
{
    std::string text(static_cast<std::size_t>(count), '0');
    for (std::size_t i = text.size(); i-- > 0 && number != 0; number /= 10)
    {
        text[i] = static_cast<char>('0' + number % 10);
    }
    return text;
}

// The digits with `mark` between the integer digits and the decimals; no integer digit below 1.
std::string MarkedText(DecimalValue decimal, char mark, int minimumDigits)
{
    const int integers = std::max(IntegerDigits(decimal), 0);
    const int decimals = std::max(-decimal.exponent, 0);
    const int digits = std::max(integers + decimals, minimumDigits);
    const std::string all =
        DigitsText(Shifted(decimal.significand, decimal.exponent + digits - integers), digits);
    return all.substr(0, static_cast<std::size_t>(integers)) + mark +
           all.substr(static_cast<std::size_t>(integers));
}

// The 3-digit (two places) and 4-digit (three places) codes: the places and the power of ten,
// or R as the decimal mark below 10^(places - 1) ohms.
SmdMarking DigitCode(double milliohms, int places, double lowestOhms, double highestOhms)
{
    const CodeValue value = ToCodeValue(milliohms);
    if (value.ohms == 0.0)
    {
        return Written(std::string(static_cast<std::size_t>(places) + 1, '0'));
    }
    if (value.ohms < lowestOhms || value.ohms > highestOhms)
    {
        return Fault(SmdWriteFault::OutOfRange);
    }
    if (!value.decimal || DigitCount(value.decimal->significand) > places)
    {
        return Fault(SmdWriteFault::TooManyDigits);
    }
    const DecimalValue decimal = *value.decimal;
    const int integers = IntegerDigits(decimal);
    if (integers >= places)
    {
        const int power = integers - places;
        return Written(
            DigitsText(Shifted(decimal.significand, places - DigitCount(decimal.significand)), places) +
            static_cast<char>('0' + power));
    }
    if (std::max(integers, 0) + std::max(-decimal.exponent, 0) > places)
    {
        return Fault(SmdWriteFault::TooManyDigits);
    }
    return Written(MarkedText(decimal, 'R', places));
}

std::optional<char> Eia96Letter(int exponent)
{
    for (const Eia96Multiplier& multiplier : kEia96Multipliers)
    {
        if (multiplier.exponent == exponent)
        {
            return multiplier.letter;
        }
    }
    return std::nullopt;
}

struct LetterUnit
{
    double fromOhms;
    char letter;
    int exponent;
};

// From the largest: the first whose lower bound the value reaches.
constexpr LetterUnit kLetterUnits[] = {
    {1e6, 'M', 6},
    {1e3, 'K', 3},
    {0.1, 'R', 0},
    {0.0, 'm', -3},
};
} // namespace

SmdMarking WriteThreeDigitCode(double milliohms)
{
    return DigitCode(milliohms, 2, 0.01, 99e9);
}

SmdMarking WriteFourDigitCode(double milliohms)
{
    return DigitCode(milliohms, 3, 0.001, 999e9);
}

SmdMarking WriteEia96Code(double milliohms)
{
    const CodeValue value = ToCodeValue(milliohms);
    if (value.ohms == 0.0)
    {
        return Fault(SmdWriteFault::NotE96);
    }
    if (value.ohms < 0.1 || value.ohms > 97.6e6)
    {
        return Fault(SmdWriteFault::OutOfRange);
    }
    if (!value.decimal || DigitCount(value.decimal->significand) > 3)
    {
        return Fault(SmdWriteFault::NotE96);
    }
    const DecimalValue decimal = *value.decimal;
    const auto mantissa = Shifted(decimal.significand, 3 - DigitCount(decimal.significand));
    const auto entry = std::find(kSeriesE96.begin(), kSeriesE96.end(), mantissa);
    const std::optional<char> letter = Eia96Letter(IntegerDigits(decimal) - 3);
    if (entry == kSeriesE96.end() || !letter)
    {
        return Fault(SmdWriteFault::NotE96);
    }
    const auto index = static_cast<std::uint64_t>(entry - kSeriesE96.begin()) + 1;
    return Written(DigitsText(index, 2) + *letter);
}

SmdMarking WriteLetterCode(double milliohms)
{
    const CodeValue value = ToCodeValue(milliohms);
    if (value.ohms == 0.0)
    {
        return Written("0R0");
    }
    if (value.ohms < 0.001 || value.ohms > 9999e6)
    {
        return Fault(SmdWriteFault::OutOfRange);
    }
    if (!value.decimal)
    {
        return Fault(SmdWriteFault::TooManyDigits);
    }
    const LetterUnit& unit = *std::find_if(std::begin(kLetterUnits), std::end(kLetterUnits),
                                           [&](const LetterUnit& u) { return value.ohms >= u.fromOhms; });
    const DecimalValue inUnit{value.decimal->significand, value.decimal->exponent - unit.exponent};
    const int integers = std::max(IntegerDigits(inUnit), 0);
    if (integers + std::max(-inUnit.exponent, 0) > kMostDigits)
    {
        return Fault(SmdWriteFault::TooManyDigits);
    }
    const bool wouldReadAsEia96 = unit.letter == 'R' && integers == 2;
    return Written(MarkedText(inUnit, unit.letter, wouldReadAsEia96 ? 3 : 2));
}

SmdMarkings WriteSmdMarkings(double milliohms)
{
    return {WriteThreeDigitCode(milliohms), WriteFourDigitCode(milliohms), WriteEia96Code(milliohms),
            WriteLetterCode(milliohms)};
}
