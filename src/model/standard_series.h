// Nearest standard values of a resistance, the lines of "Valeurs normalisées" and their marking.
#pragma once

#include "model/series_tables.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// e such that entry x 10^e milliohms lies in the value's decade; nothing for a value that
// counts as 0 (below 10^-20 milliohm). A fraction of a milliohm does not change it.
std::optional<int> DecadeExponent(double milliohms);

// The table entry nearest to the value within decade e, in milliohms; a tie goes to the larger.
double NearestStandardValue(double milliohms, std::span<const std::uint16_t> table, int e);

struct StandardLines
{
    std::array<double, kSeriesCount> ohms{};
    std::array<std::string, kSeriesCount> lines;
};

// For every series in the order E3 to E192: its nearest value in ohms and its line text.
StandardLines StandardSeriesLines(double milliohms);

enum class LineMark
{
    Leave,
    Mark,
    Unmark,
};

// What the tolerance combo's index does to each line: one of E12 to E192 is marked, the
// others of those five are unmarked, E3 and E6 are left as they are.
std::array<LineMark, kSeriesCount> ToleranceSeriesMarks(int toleranceIndex);
