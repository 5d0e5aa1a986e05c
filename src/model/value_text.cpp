// Texts of a resistance: the value box and its unit, the rings' value text and the summary line.
#include "model/value_text.h"

#include "model/decimal_format.h"
#include "model/number_reader.h"
#include "model/resistor_state.h"

#include <algorithm>

namespace
{
constexpr std::array<double, kUnitCount> kUnitFactors = {1e3, 1e6, 1e9};
constexpr std::array<std::size_t, kUnitCount> kUnitTextCaps = {10, 7, 4};

std::size_t UnitIndex(int unit)
{
    return static_cast<std::size_t>(std::clamp(unit, kUnitOhm, kUnitMegaOhm));
}

bool IsValueCharacter(char c)
{
    return (c >= '0' && c <= '9') || c == ',' || c == '.';
}
} // namespace

double UnitFactorToMilliohms(int unit)
{
    return kUnitFactors[UnitIndex(unit)];
}

RingValueText FormatRingValue(float hundredths)
{
    if (hundredths < 100'000.0f)
    {
        return {FormatDecimal(hundredths * 0.01f, 2), kUnitOhm};
    }
    if (hundredths < 100'000'000.0f)
    {
        return {FormatDecimal(hundredths * 0.00001f, 2), kUnitKiloOhm};
    }
    return {FormatDecimal(hundredths * 0.00000001f, 2), kUnitMegaOhm};
}

double ParseValueText(std::string_view text, int unit)
{
    std::string pointed(text);
    const std::size_t comma = pointed.find(',');
    if (comma != std::string::npos)
    {
        pointed[comma] = '.';
    }
    return ReadLeadingNumber(pointed) * UnitFactorToMilliohms(unit);
}

std::string FilterValueText(std::string_view text, int unit)
{
    // Filtered before the cap, so that letters never use up room that digits would fill: a
    // text pasted whole keeps what the same text typed key by key keeps.
    std::string kept(text);
    std::erase_if(kept, [](char c) { return !IsValueCharacter(c); });
    kept.resize(std::min(kept.size(), kUnitTextCaps[UnitIndex(unit)]));
    return kept;
}

std::size_t FilteredCaret(std::string_view text, std::size_t caret, int unit)
{
    return FilterValueText(text.substr(0, std::min(caret, text.size())), unit).size();
}

std::string BuildValueSummary(std::string_view boxText, int unit, std::string_view tolerance,
                              std::string_view tempCo, int ringMode, std::string_view separator)
{
    std::string summary(boxText);
    summary += ' ';
    summary += kUnitSummaryNames[UnitIndex(unit)];
    summary += ' ';
    summary += separator;
    summary += ' ';
    summary += tolerance;
    if (ringMode == kRingMode6)
    {
        summary += ", ";
        summary += tempCo;
    }
    return summary;
}
