// The values of a standard series over the decades that the calculation tools search.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// entry x 10^exponent ohms, the entry as in the series tables (100 stands for 1,00).
struct SeriesValue
{
    std::uint16_t entry = 0;
    int exponent = 0;

    bool operator==(const SeriesValue&) const = default;
};

// From 100 x 10^-3 (0,1 ohm) to the last entry x 10^9 (988 GOhms in E192): every value is then
// a whole number of milliohms, and in the main window's range.
constexpr int kLowestSeriesExponent = -3;
constexpr int kHighestSeriesExponent = 9;

double SeriesValueOhms(SeriesValue value);

// The table of kStandardSeries at the index; an index beyond the last counts as the last.
std::span<const std::uint16_t> SeriesTable(std::size_t series);

// The values of the table from lowestOhms to highestOhms, both included, in ascending order.
std::vector<SeriesValue> SeriesValuesBetween(std::span<const std::uint16_t> table, double lowestOhms,
                                             double highestOhms);

// The smallest value of the table at or above the resistance; nothing above the last one.
std::optional<SeriesValue> SeriesValueAtOrAbove(std::span<const std::uint16_t> table, double ohms);
