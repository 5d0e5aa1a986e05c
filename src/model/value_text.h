// Texts of a resistance: the value box and its unit, the rings' value text and the summary line.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

constexpr int kUnitOhm = 0;
constexpr int kUnitKiloOhm = 1;
constexpr int kUnitMegaOhm = 2;
constexpr std::size_t kUnitCount = 3;

// Drawn in the "Symbol" face, where "W" is the ohm sign.
constexpr std::array<std::string_view, kUnitCount> kUnitComboTexts = {"W", "KW", "MW"};
constexpr std::array<std::string_view, kUnitCount> kUnitSummaryNames = {"Ohms", "kOhms", "MOhms"};

// A unit index outside 0 to 2 (a combo without selection) counts as the nearest valid one.
double UnitFactorToMilliohms(int unit);

struct RingValueText
{
    std::string text;
    int unit = kUnitOhm;
};

// What the value box and unit combo show for the rings' value in hundredths of an ohm.
RingValueText FormatRingValue(float hundredths);

// The value box's text in milliohms; a comma counts as the decimal point.
double ParseValueText(std::string_view text, int unit);

// What stays in the value box: only digits, commas and points, then cut to the unit's length.
std::string FilterValueText(std::string_view text, int unit);
// Where the caret goes when the box's text is replaced by its filtered text: just after the
// last character kept of those that stood before it.
std::size_t FilteredCaret(std::string_view text, std::size_t caret, int unit);

// The one-line summary for the clipboard and printing; `separator` is string 162 ("à").
std::string BuildValueSummary(std::string_view boxText, int unit, std::string_view tolerance,
                              std::string_view tempCo, int ringMode, std::string_view separator);
