// The resistor as ring positions, and the conversions between rings and resistance.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

constexpr int kRingMode4 = 0;
constexpr int kRingMode5 = 1;
constexpr int kRingMode6 = 2;

constexpr int kSlotFirstDigit = 0;
constexpr int kSlotSecondDigit = 1;
constexpr int kSlotThirdDigit = 2;
constexpr int kSlotMultiplier = 3;
constexpr int kSlotTolerance = 4;
constexpr int kSlotTempCo = 5;
constexpr std::size_t kRingSlotCount = 6;

// Positions run from 1 to this count on each slot's selector.
constexpr std::array<int, kRingSlotCount> kRingPositionCount = {10, 10, 10, 9, 8, 7};

struct ResistorState
{
    int ringMode = kRingMode4;
    std::array<std::int32_t, kRingSlotCount> positions = {1, 1, 1, 1, 1, 1};

    bool operator==(const ResistorState&) const = default;
};

bool IsRingShown(int ringMode, int slot);

// Hundredths of an ohm, in single precision as the value texts expect.
float RingsToValue(const ResistorState& state);

// Sets the digit and multiplier slots from a resistance in milliohms; tolerance and
// temperature slots, and the third digit with 4 rings, keep their positions.
void ValueToRings(double milliohms, int ringMode, ResistorState& state);
