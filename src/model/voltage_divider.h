// The best pairs of standard resistors for a voltage divider.
#pragma once

#include "model/series_tables.h"

#include <cstddef>
#include <optional>
#include <vector>

constexpr std::size_t kDividerPairCount = 10;
constexpr double kDividerDefaultLowestOhms = 1e3;
constexpr double kDividerDefaultHighestOhms = 1e6;

// The fields as read by ReadWholeNumber: nothing where a text is not a number.
struct DividerInput
{
    std::optional<double> inputVolts;
    // The output wanted in volts, or the ratio of output to input when wantedIsRatio.
    std::optional<double> wanted;
    bool wantedIsRatio = false;
    // The range allowed for R1 + R2, in ohms.
    std::optional<double> lowestOhms = kDividerDefaultLowestOhms;
    std::optional<double> highestOhms = kDividerDefaultHighestOhms;
    // Index in kStandardSeries; beyond the last counts as the last.
    std::size_t series = kSeriesE24Index;
};

// Why there are no pairs; the first that applies, in this order.
enum class DividerFault
{
    None,
    InputNotANumber,
    WantedNotANumber,
    RangeNotANumber,
    // The output wanted is not strictly between 0 and the input (a ratio not strictly between 0
    // and 1): no pair of resistors gives it.
    WantedOutOfRange,
    // The lower end of the range lies above its upper end.
    RangeEmpty,
    // No two values of the series in the range add up to at most its upper end.
    NoPairInRange,
};

struct DividerPair
{
    // R1 from the input to the output, R2 from the output to ground.
    double r1Ohms = 0.0;
    double r2Ohms = 0.0;
    double outputVolts = 0.0;
    // (output - wanted) / wanted, in percent.
    double errorPercent = 0.0;
    // What the divider draws from the input.
    double milliamps = 0.0;
};

struct DividerResult
{
    DividerFault fault = DividerFault::None;
    // The best first, at most kDividerPairCount: the smallest error, then the smaller total
    // resistance, then the smaller R2.
    std::vector<DividerPair> pairs;
};

// Over every pair of series values that both lie in the range and whose total does too; a value
// below the range's lower end is never taken, even beside one that would bring the total into it.
DividerResult FindDividerPairs(const DividerInput& input);
