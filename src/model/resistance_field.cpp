// Reading resistances typed into the calculation tools.
#include "model/resistance_field.h"

#include "model/number_reader.h"
#include "model/smd_marking_reader.h"

#include <cctype>
#include <cmath>

namespace
{
struct Multiplier
{
    char letter;
    double factor;
};
// Case matters only for m and M, as in the letter code.
constexpr Multiplier kMultipliers[] = {{'k', 1e3},  {'K', 1e3}, {'M', 1e6},
                                       {'m', 1e-3}, {'R', 1.0}, {'r', 1.0}};

std::optional<double> Resistance(std::optional<double> ohms)
{
    if (!ohms.has_value() || !std::isfinite(*ohms) || *ohms < 0.0)
        return std::nullopt;
    return ohms;
}

bool IsDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool IsEntrySeparator(std::string_view text, std::size_t i)
{
    const char c = text[i];
    if (c == ',')
        return i == 0 || i + 1 >= text.size() || !IsDigit(text[i - 1]) || !IsDigit(text[i + 1]);
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ';';
}
} // namespace

std::optional<double> ReadResistanceField(std::string_view text)
{
    const std::string_view trimmed = TrimBlanks(text);
    if (const std::optional<double> ohms = ReadWholeNumber(trimmed))
        return Resistance(ohms);
    if (!trimmed.empty())
    {
        for (const Multiplier& multiplier : kMultipliers)
        {
            if (trimmed.back() != multiplier.letter)
                continue;
            if (const std::optional<double> number = ReadWholeNumber(trimmed.substr(0, trimmed.size() - 1)))
                return Resistance(*number * multiplier.factor);
        }
    }
    const SmdReading reading = ReadLetterCode(trimmed);
    if (reading.IsRead())
        return Resistance(reading.milliohms / 1000.0);
    return std::nullopt;
}

StockReading ReadStockList(std::string_view text)
{
    StockReading reading;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i)
    {
        if (i < text.size() && !IsEntrySeparator(text, i))
            continue;
        const std::string_view entry = text.substr(start, i - start);
        start = i + 1;
        if (entry.empty())
            continue;
        if (const std::optional<double> ohms = ReadResistanceField(entry))
        {
            if (reading.ohms.size() < kMaxStockValues)
                reading.ohms.push_back(*ohms);
            else
                reading.tooMany = true;
        }
        else
        {
            reading.unreadable.emplace_back(entry);
        }
    }
    return reading;
}
