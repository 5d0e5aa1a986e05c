// The resistor as ring positions, and the conversions between rings and resistance.
#include "model/resistor_state.h"

#include "model/resistance_range.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

namespace
{
bool HasThirdDigit(int ringMode)
{
    return ringMode >= kRingMode5;
}

// Positions from a stored setting may be out of range; they count as the nearest valid one.
int Position(const ResistorState& state, int slot)
{
    const auto index = static_cast<std::size_t>(slot);
    return std::clamp(static_cast<int>(state.positions[index]), 1, kRingPositionCount[index]);
}

std::int32_t PowerOfTen(int exponent)
{
    std::int32_t power = 1;
    for (int i = 0; i < exponent; ++i)
    {
        power *= 10;
    }
    return power;
}
} // namespace

bool IsRingShown(int ringMode, int slot)
{
    switch (slot)
    {
    case kSlotFirstDigit:
    case kSlotSecondDigit:
    case kSlotMultiplier:
    case kSlotTolerance:
        return true;
    case kSlotThirdDigit:
        return HasThirdDigit(ringMode);
    case kSlotTempCo:
        return ringMode >= kRingMode6;
    default:
        return false;
    }
}

float RingsToValue(const ResistorState& state)
{
    const int weight = HasThirdDigit(state.ringMode) ? 100 : 10;
    float value = static_cast<float>(Position(state, kSlotFirstDigit) - 1) * static_cast<float>(weight);
    value += static_cast<float>(Position(state, kSlotSecondDigit) - 1) * static_cast<float>(weight / 10);
    if (HasThirdDigit(state.ringMode))
    {
        value += static_cast<float>(Position(state, kSlotThirdDigit) - 1);
    }
    return value * static_cast<float>(PowerOfTen(Position(state, kSlotMultiplier) - 1));
}

void ValueToRings(double milliohms, int ringMode, ResistorState& state)
{
    const double value = ClampMilliohms(milliohms);
    const int significant = HasThirdDigit(ringMode) ? 3 : 2;

    // A leading zero lets 5 and 6 rings show values below one ohm with the silver multiplier.
    char digits[24] = {};
    char* end = digits;
    if (significant == 3 && value < 1000.0)
    {
        *end++ = '0';
    }
    end = std::to_chars(end, std::end(digits), static_cast<std::uint64_t>(std::round(value))).ptr;
    const auto length = static_cast<int>(end - digits);

    for (int slot = 0; slot < significant; ++slot)
    {
        const int digit = slot < length ? digits[slot] - '0' : 0;
        state.positions[static_cast<std::size_t>(slot)] = digit + 1;
    }
    state.positions[kSlotMultiplier] =
        std::clamp(length - significant, 1, kRingPositionCount[kSlotMultiplier]);
}
