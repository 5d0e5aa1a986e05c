// Rules of the Ohm's law calculator in the side bar, away from its fields.
#include "model/ohms_law.h"

#include "model/decimal_format.h"
#include "model/number_reader.h"
#include "model/single_precision.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace
{
struct FormulaInfo
{
    std::string_view text;
    float CalcValues::*first;
    float CalcValues::*second;
};

// Indexed by CalcFormula; the operands that must both be non-zero.
constexpr std::array<FormulaInfo, 8> kFormulas = {{
    {"R=U/I", &CalcValues::u, &CalcValues::i},
    {"R=P/I²", &CalcValues::i, &CalcValues::p},
    {"U=RI", &CalcValues::r, &CalcValues::i},
    {"U=P/I", &CalcValues::i, &CalcValues::p},
    {"I=U/R", &CalcValues::u, &CalcValues::r},
    {"I=sqrt(P/R)", &CalcValues::r, &CalcValues::p},
    {"P=UI", &CalcValues::u, &CalcValues::i},
    {"P=RI²", &CalcValues::r, &CalcValues::i},
}};

struct FormulaChoice
{
    CalcFormula first;
    CalcFormula second;
};

// Indexed by CalcQuantity.
constexpr std::array<FormulaChoice, 4> kChoices = {{
    {CalcFormula::RFromUI, CalcFormula::RFromPI},
    {CalcFormula::UFromRI, CalcFormula::UFromPI},
    {CalcFormula::IFromUR, CalcFormula::IFromPR},
    {CalcFormula::PFromUI, CalcFormula::PFromRI},
}};

const FormulaInfo& Info(CalcFormula formula)
{
    return kFormulas[static_cast<std::size_t>(formula)];
}

bool HasOperands(CalcFormula formula, const CalcValues& values)
{
    const FormulaInfo& info = Info(formula);
    return values.*info.first != 0.0f && values.*info.second != 0.0f;
}

// I x I can underflow to zero even though I is not.
std::optional<float> Divide(float dividend, float divisor)
{
    if (divisor == 0.0f)
    {
        return std::nullopt;
    }
    return dividend / divisor;
}

std::optional<float> Evaluate(CalcFormula formula, const CalcValues& v)
{
    switch (formula)
    {
    case CalcFormula::RFromUI:
        return Divide(v.u, v.i);
    case CalcFormula::RFromPI:
        return Divide(v.p, v.i * v.i);
    case CalcFormula::UFromRI:
        return v.r * v.i;
    case CalcFormula::UFromPI:
        return Divide(v.p, v.i);
    case CalcFormula::IFromUR:
        return Divide(v.u, v.r);
    case CalcFormula::IFromPR:
        return ToSingle(std::sqrt(static_cast<double>(v.p / v.r)));
    case CalcFormula::PFromUI:
        return v.u * v.i;
    case CalcFormula::PFromRI:
        return v.r * (v.i * v.i);
    }
    return std::nullopt;
}
} // namespace

float ReadCalcField(std::string_view text)
{
    std::string pointed(text);
    std::replace(pointed.begin(), pointed.end(), ',', '.');
    return ToSingle(ReadLeadingNumber(pointed));
}

std::optional<CalcFormula> ChooseCalcFormula(CalcQuantity target, const CalcValues& values)
{
    const FormulaChoice& choice = kChoices[static_cast<std::size_t>(target)];
    if (HasOperands(choice.first, values))
    {
        return choice.first;
    }
    if (HasOperands(choice.second, values))
    {
        return choice.second;
    }
    return std::nullopt;
}

std::string_view CalcFormulaText(CalcFormula formula)
{
    return Info(formula).text;
}

std::string CalcResultText(CalcQuantity target, const CalcValues& values, std::string_view impossibleText)
{
    const std::optional<CalcFormula> formula = ChooseCalcFormula(target, values);
    const std::optional<float> result = formula ? Evaluate(*formula, values) : std::nullopt;
    // A negative quotient under the root or an overflow has no number to show.
    if (!result || !std::isfinite(*result))
    {
        return std::string(impossibleText);
    }
    std::string text = FormatDecimal(*result, 3);
    text += " (";
    text += CalcFormulaText(*formula);
    text += ')';
    return text;
}

bool IsCalcResultText(std::string_view fieldText)
{
    return fieldText.find(" (") != std::string_view::npos;
}

std::string_view KeptResistanceText(std::string_view rFieldText)
{
    const std::size_t blank = rFieldText.find(' ', 1);
    return rFieldText.substr(0, blank);
}
