// Reading the marking printed on a surface-mount resistor, and the letter code of stock lists.
#include "model/smd_marking_reader.h"

#include "model/decimal_value.h"
#include "model/number_reader.h"
#include "model/series_tables.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace
{
constexpr std::size_t kLongestCode = 5;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Power of ten in ohms of a decimal-mark letter of the letter code.
std::optional<int> DecimalMarkExponent(char c)
{
    switch (c)
    {
    case 'R':
    case 'r':
        return 0;
    case 'K':
    case 'k':
        return 3;
    case 'M':
        return 6;
    case 'm':
        return -3;
    default:
        return std::nullopt;
    }
}

std::optional<int> Eia96Exponent(char c)
{
    // Upper case makes "m" an "M", which is not a multiplier either.
    const auto found = std::find_if(kEia96Multipliers.begin(), kEia96Multipliers.end(),
                                    [&](const Eia96Multiplier& m) { return m.letter == Upper(c); });
    return found != kEia96Multipliers.end() ? std::optional<int>(found->exponent) : std::nullopt;
}

SmdReading Read(SmdCode code, DecimalValue ohms)
{
    return {SmdReadFault::None, code, DecimalToDouble({ohms.significand, ohms.exponent + 3})};
}

SmdReading Fault(SmdReadFault fault)
{
    return {fault, SmdCode::ZeroLink, 0.0};
}

// The digits of the text as one number, past any letter in it.
std::uint64_t DigitsValue(std::string_view text)
{
    std::uint64_t value = 0;
    for (char c : text)
    {
        if (IsDigit(c))
        {
            value = value * 10 + static_cast<std::uint64_t>(c - '0');
        }
    }
    return value;
}

// The letter at `mark` stands for the decimal mark of a value counted in 10^exponent ohms.
DecimalValue MarkedValue(std::string_view text, std::size_t mark, int exponent)
{
    const auto fractionDigits = static_cast<int>(text.size() - mark - 1);
    return {DigitsValue(text), exponent - fractionDigits};
}

// What every code asks of a text: the text without its blanks, made of digits and letters,
// short enough; then the position of its one letter, or a fault.
struct Shape
{
    std::string_view text;
    SmdReadFault fault = SmdReadFault::None;
    std::size_t letters = 0;
    std::size_t letterAt = 0;
};

Shape ShapeOf(std::string_view text)
{
    Shape shape;
    shape.text = TrimBlanks(text);
    if (shape.text.empty())
    {
        shape.fault = SmdReadFault::Empty;
        return shape;
    }
    for (std::size_t i = 0; i < shape.text.size(); ++i)
    {
        const char c = shape.text[i];
        if (!IsDigit(c) && !IsLetter(c))
        {
            shape.fault = SmdReadFault::BadCharacter;
            return shape;
        }
        if (IsLetter(c) && shape.letters++ == 0)
        {
            shape.letterAt = i;
        }
    }
    if (shape.text.size() > kLongestCode)
    {
        shape.fault = SmdReadFault::TooLong;
    }
    else if (shape.letters > 1)
    {
        shape.fault = SmdReadFault::SeveralLetters;
    }
    else if (shape.letters == 1 && shape.text.size() == 1)
    {
        shape.fault = SmdReadFault::NoDigit;
    }
    return shape;
}

SmdReading ReadDigitsOnly(std::string_view text)
{
    switch (text.size())
    {
    case 1:
        return text == "0" ? Read(SmdCode::ZeroLink, {}) : Fault(SmdReadFault::DigitCount);
    case 3:
        return Read(SmdCode::ThreeDigit, {DigitsValue(text.substr(0, 2)), text[2] - '0'});
    case 4:
        return Read(SmdCode::FourDigit, {DigitsValue(text.substr(0, 3)), text[3] - '0'});
    default:
        return Fault(SmdReadFault::DigitCount);
    }
}

SmdReading ReadEia96(std::string_view text, int exponent)
{
    const std::uint64_t index = DigitsValue(text.substr(0, 2));
    if (index < 1 || index > kSeriesE96.size())
    {
        return Fault(SmdReadFault::EiaIndexOutOfRange);
    }
    return Read(SmdCode::Eia96, {kSeriesE96[index - 1], exponent});
}
} // namespace

SmdReading ReadSmdMarking(std::string_view text)
{
    const Shape shape = ShapeOf(text);
    if (shape.fault != SmdReadFault::None)
    {
        return Fault(shape.fault);
    }
    const std::string_view code = shape.text;
    if (shape.letters == 0)
    {
        return ReadDigitsOnly(code);
    }

    const char letter = code[shape.letterAt];
    const bool eia96Shape = code.size() == 3 && shape.letterAt == 2;
    if (const std::optional<int> multiplier = Eia96Exponent(letter); eia96Shape && multiplier)
    {
        return ReadEia96(code, *multiplier);
    }
    if (Upper(letter) == 'R' && (code.size() == 3 || code.size() == 4))
    {
        const SmdCode digitCode = code.size() == 3 ? SmdCode::ThreeDigit : SmdCode::FourDigit;
        return Read(digitCode, MarkedValue(code, shape.letterAt, 0));
    }
    if (const std::optional<int> mark = DecimalMarkExponent(letter))
    {
        return Read(SmdCode::Letter, MarkedValue(code, shape.letterAt, *mark));
    }
    return Fault(eia96Shape ? SmdReadFault::UnknownMultiplier : SmdReadFault::LetterOutOfPlace);
}

SmdReading ReadLetterCode(std::string_view text)
{
    const Shape shape = ShapeOf(text);
    if (shape.fault != SmdReadFault::None)
    {
        return Fault(shape.fault);
    }
    if (shape.letters == 0)
    {
        return Fault(SmdReadFault::NoDecimalMark);
    }
    const std::optional<int> mark = DecimalMarkExponent(shape.text[shape.letterAt]);
    if (!mark)
    {
        return Fault(SmdReadFault::LetterOutOfPlace);
    }
    return Read(SmdCode::Letter, MarkedValue(shape.text, shape.letterAt, *mark));
}
