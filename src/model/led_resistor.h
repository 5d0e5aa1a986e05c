// The series resistor of LEDs: the exact value, the standard one, its current and its power.
#pragma once

#include "model/series_tables.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// The colours of the forward voltage list, in its order.
enum class LedColour
{
    Red,
    Orange,
    Yellow,
    Green,
    Blue,
    White,
    Infrared,
};

// Typical forward voltages, indexed by LedColour.
inline constexpr std::array<double, 7> kLedForwardVolts = {1.8, 2.0, 2.1, 2.2, 3.2, 3.2, 1.3};

struct PowerRating
{
    double watts;
    std::string_view text;
};

inline constexpr std::array<PowerRating, 5> kPowerRatings = {{
    {0.125, "1/8 W"},
    {0.25, "1/4 W"},
    {0.5, "1/2 W"},
    {1.0, "1 W"},
    {2.0, "2 W"},
}};

// The fields as read by ReadWholeNumber: nothing where a text is not a number.
struct LedInput
{
    std::optional<double> supplyVolts;
    std::optional<double> forwardVolts;
    std::optional<double> ledCount;
    std::optional<double> milliamps;
    // Index in kStandardSeries; beyond the last counts as the last.
    std::size_t series = kSeriesE24Index;
};

// Why there is no result; the first that applies, in this order.
enum class LedFault
{
    None,
    SupplyNotANumber,
    ForwardNotANumber,
    CountNotANumber,
    CurrentNotANumber,
    // The number of LEDs is not a whole number of at least 1.
    CountNotWhole,
    // A forward voltage of 0 or less.
    ForwardNotPositive,
    // A current of 0 or less.
    CurrentNotPositive,
    // The supply is not above the LEDs' total forward voltage.
    SupplyTooLow,
    // The resistance lies outside the series values searched (0,1 ohm to 988 GOhms).
    OutOfRange,
};

struct LedResult
{
    LedFault fault = LedFault::None;
    double exactOhms = 0.0;
    // The smallest value of the series at or above the exact one: the current stays at or
    // below the one asked.
    double standardOhms = 0.0;
    // Through the standard resistor, and what it dissipates.
    double milliamps = 0.0;
    double watts = 0.0;
    // Index in kPowerRatings of the first rating of at least twice that power; nothing above 2 W.
    std::optional<std::size_t> rating;
};

LedResult ComputeLedResistor(const LedInput& input);
