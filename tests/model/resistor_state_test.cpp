// Rings to resistance and back: the worked examples, the clamps and the round trip of every ring set.
#include "model/resistor_state.h"

#include "model/resistance_range.h"
#include "model/value_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
using Positions = std::array<std::int32_t, kRingSlotCount>;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(RingsToValue, ReadsDigitsAndMultiplier)
{
    const struct
    {
        ResistorState state;
        float hundredths;
    } cases[] = {
        {{kRingMode4, {5, 8, 1, 5, 1, 1}}, 470'000.0f},           // yellow violet red: 4.7 kOhm
        {{kRingMode4, {5, 8, 10, 5, 8, 7}}, 470'000.0f},          // hidden third digit ignored
        {{kRingMode6, {5, 8, 1, 4, 1, 1}}, 470'000.0f},           // 470 x 10 Ohm
        {{kRingMode4, {10, 10, 1, 9, 1, 1}}, 9'900'000'000.0f},   // 99 MOhm
        {{kRingMode5, {10, 10, 10, 9, 1, 1}}, 99'900'000'000.0f}, // 999 MOhm
        {{kRingMode5, {1, 2, 1, 1, 1, 1}}, 10.0f},                // 010 x 0.01 Ohm
        {{kRingMode4, {5, 8, 1, 0, 1, 1}}, 47.0f},                // stored positions out of range clamp
        {{kRingMode4, {5, 8, 1, 40, 1, 1}}, 4'700'000'000.0f},
        {{kRingMode5, {-3, 12, 99, 1, 1, 1}}, 99.0f},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(RingsToValue(c.state), c.hundredths) << "multiplier " << c.state.positions[3];
    }
}

TEST(ValueToRings, WorkedExamplesAndEdges)
{
    const struct
    {
        double milliohms;
        int ringMode;
        std::array<std::int32_t, 4> slots; // 0 to 3; slot 2 keeps its 10 with 4 rings
    } cases[] = {
        {470'000.0, kRingMode4, {5, 8, 10, 4}},         // 470 Ohm
        {470.0, kRingMode4, {5, 8, 10, 1}},             // 0.47 Ohm
        {4'700'000.0, kRingMode5, {5, 8, 1, 4}},        // 4.7 kOhm
        {500.0, kRingMode5, {1, 6, 1, 1}},              // 0.5 Ohm as 050 x 0.01
        {4'790'000.0, kRingMode4, {5, 8, 10, 5}},       // digits dropped, not rounded
        {470'000'000'000.0, kRingMode4, {5, 8, 10, 9}}, // multiplier clamped to blue
        {39'000'000'000.0, kRingMode4, {4, 10, 10, 9}},
        {39'000'000'000.0, kRingMode5, {4, 10, 1, 8}},
        {50.0, kRingMode4, {6, 1, 10, 1}}, // 0.05 Ohm: clamped to silver
        {50.0, kRingMode5, {1, 6, 1, 1}},
        {0.0, kRingMode4, {1, 1, 10, 1}},
        {0.0, kRingMode5, {1, 1, 1, 1}},
        {999'000'000'000.0, kRingMode5, {10, 10, 10, 9}},
        {9'990'000'000.0, kRingMode6, {10, 10, 10, 7}},
        {2.5, kRingMode4, {4, 1, 10, 1}}, // half a milliohm rounds up
        {2.4999, kRingMode4, {3, 1, 10, 1}},
        {999.5, kRingMode5, {1, 2, 1, 2}},        // below 1 Ohm before rounding: 01000
        {-470'000.0, kRingMode4, {5, 8, 10, 4}},  // sign dropped
        {std::nan(""), kRingMode5, {1, 1, 1, 1}}, // reads as 0
        {kInfinity, kRingMode4, {10, 10, 10, 9}}, // clamped to the largest
        {-kInfinity, kRingMode5, {10, 10, 10, 9}},
        {1e300, kRingMode5, {10, 10, 10, 9}},
        {kLargestMilliohms, kRingMode4, {10, 10, 10, 9}},
    };
    for (const auto& c : cases)
    {
        ResistorState state{c.ringMode, {7, 7, 10, 7, 6, 5}};
        ValueToRings(c.milliohms, c.ringMode, state);
        const Positions expected = {c.slots[0], c.slots[1], c.slots[2], c.slots[3], 6, 5};
        EXPECT_EQ(state.positions, expected) << c.milliohms << " mOhm, mode " << c.ringMode;
    }
}

TEST(IsRingShown, FollowsRingCount)
{
    const std::array<Positions, 3> shown = {{{1, 1, 0, 1, 1, 0}, {1, 1, 1, 1, 1, 0}, {1, 1, 1, 1, 1, 1}}};
    for (int mode = kRingMode4; mode <= kRingMode6; ++mode)
    {
        for (int slot = -1; slot <= 6; ++slot)
        {
            const bool expected = slot >= 0 && slot < 6 && shown[std::size_t(mode)][std::size_t(slot)] != 0;
            EXPECT_EQ(IsRingShown(mode, slot), expected) << "mode " << mode << " slot " << slot;
        }
    }
}

// rings -> value -> text -> value -> rings gives the same value. Below 0.1 Ohm the rule cannot
// give it back (0.05 Ohm reads 0.50 Ohm), so there the rule's tenfold reading is expected.
void CheckRoundTrip(int ringMode)
{
    const int thirdDigits = ringMode == kRingMode4 ? 1 : 10;
    for (int first = 1; first <= 10; ++first)
    {
        for (int second = 1; second <= 10; ++second)
        {
            for (int third = 1; third <= thirdDigits; ++third)
            {
                for (int multiplier = 1; multiplier <= 9; ++multiplier)
                {
                    const float hundredths =
                        RingsToValue({ringMode, {first, second, third, multiplier, 2, 1}});
                    const RingValueText shown = FormatRingValue(hundredths);
                    ResistorState back{ringMode, {1, 1, 1, 1, 2, 1}};
                    ValueToRings(ParseValueText(shown.text, shown.unit), ringMode, back);
                    const float expected =
                        hundredths > 0.0f && hundredths < 10.0f ? hundredths * 10 : hundredths;
                    ASSERT_EQ(RingsToValue(back), expected) << shown.text << " unit " << shown.unit;
                }
            }
        }
    }
}

TEST(RingRoundTrip, EveryFourRingSet)
{
    CheckRoundTrip(kRingMode4);
}

TEST(RingRoundTrip, EveryFiveRingSet)
{
    CheckRoundTrip(kRingMode5);
}
} // namespace
