// The values a combination search may use: a standard series over a range, or a stock list.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

// From a milliohm to the largest resistance the model reads.
constexpr double kSmallestCombinationOhms = 0.001;
constexpr double kLargestCombinationOhms = 999'999'999'999.999;

// The decades from 1 Ohm to 10 MOhms, 10 MOhms included.
constexpr double kDefaultLowestOhms = 1.0;
constexpr double kDefaultHighestOhms = 1e7;

// A search pairs every value with every other one: beyond this many it would take minutes.
constexpr std::size_t kMaxCombinationValues = 4096;

// Finite and within the range above: a target or value a search can work with.
bool IsCombinationOhms(double ohms);

// The values of series `seriesIndex` (E3 to E192) from lowest to highest ohms inclusive,
// ascending; each the double nearest to its decimal value, as a typed "4,7" reads. Nothing
// for an unknown series or an empty range.
std::vector<double> SeriesValuesInRange(std::size_t seriesIndex, double lowestOhms, double highestOhms);

// Ascending, each value once.
std::vector<double> SortedDistinctValues(std::span<const double> ohms);
