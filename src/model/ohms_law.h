// Rules of the Ohm's law calculator in the side bar, away from its fields.
#pragma once

#include <optional>
#include <string>
#include <string_view>

enum class CalcQuantity
{
    R,
    U,
    I,
    P,
};

enum class CalcFormula
{
    RFromUI,
    RFromPI,
    UFromRI,
    UFromPI,
    IFromUR,
    IFromPR,
    PFromUI,
    PFromRI,
};

// The four fields as read; 0 means the quantity is missing.
struct CalcValues
{
    float r = 0.0f;
    float u = 0.0f;
    float i = 0.0f;
    float p = 0.0f;
};

// A field's number in single precision, commas read as points; no number reads 0.
float ReadCalcField(std::string_view text);

// The first choice for the target if both its operands are given, else the second, else none.
std::optional<CalcFormula> ChooseCalcFormula(CalcQuantity target, const CalcValues& values);

// "R=U/I" and so on, with "²" as the single byte 0xB2.
std::string_view CalcFormulaText(CalcFormula formula);

// "1,667 (I=U/R)"; `impossibleText` (string 152) when no formula applies or the result is not finite.
std::string CalcResultText(CalcQuantity target, const CalcValues& values, std::string_view impossibleText);

// Whether a field holds a computed result (its text contains " (").
bool IsCalcResultText(std::string_view fieldText);

// What the R field gives the value box: the text before its first blank past the first character.
std::string_view KeptResistanceText(std::string_view rFieldText);
