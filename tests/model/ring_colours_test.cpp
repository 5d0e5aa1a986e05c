// Colours, names and texts of the ring positions: role-specific components and range limits.
#include "model/ring_colours.h"

#include "model/resistor_state.h"

#include <gtest/gtest.h>

namespace
{
TEST(RingColour, RoleDecidesColourAndComponents)
{
    const struct
    {
        int slot, position, nameId;
        RingRgb rgb;
    } cases[] = {
        {kSlotFirstDigit, 1, 165, {0, 0, 0}},        // black is allowed on the first digit
        {kSlotThirdDigit, 10, 174, {255, 255, 255}}, // white
        {kSlotSecondDigit, 7, 171, {0, 0, 192}},     // blue
        {kSlotMultiplier, 1, 175, {128, 128, 128}},  // silver
        {kSlotMultiplier, 9, 171, {0, 0, 192}},      // blue, the last multiplier
        {kSlotTolerance, 3, 166, {136, 109, 72}},    // brown: 1 %
        {kSlotTolerance, 6, 171, {0, 0, 198}},       // blue and violet are lighter on this ring
        {kSlotTolerance, 7, 172, {198, 0, 198}},
        {kSlotTolerance, 8, 173, {224, 224, 224}}, // grey, lighter than silver
        {kSlotTempCo, 6, 172, {192, 0, 192}},
        {kSlotTempCo, 7, 174, {255, 255, 255}},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(RingColourName(c.slot, c.position), c.nameId) << c.slot << "/" << c.position;
        EXPECT_EQ(RingColour(c.slot, c.position), c.rgb) << c.slot << "/" << c.position;
    }
}

TEST(RingColour, NothingOutsideEachSlotsRange)
{
    for (int slot = -1; slot <= 6; ++slot)
    {
        const int count = slot >= 0 && slot < 6 ? kRingPositionCount[std::size_t(slot)] : 0;
        for (int position = -1; position <= 11; ++position)
        {
            const bool inRange = position >= 1 && position <= count;
            EXPECT_EQ(RingColour(slot, position).has_value(), inRange) << slot << "/" << position;
            EXPECT_EQ(RingColourName(slot, position).has_value(), inRange) << slot << "/" << position;
        }
    }
}

TEST(RingTexts, FollowColoursWithPointAndDegreeByte)
{
    EXPECT_EQ(ToleranceText(3), "1 %");
    EXPECT_EQ(ToleranceText(4), "2 %");
    EXPECT_EQ(ToleranceText(5), "0.50 %");
    EXPECT_EQ(ToleranceText(9), "");
    EXPECT_EQ(TempCoText(1), "100 ppm/\xB0"
                             "C");
    EXPECT_EQ(TempCoText(7), "1 ppm/\xB0"
                             "C");
    EXPECT_EQ(TempCoText(0), "");
}
} // namespace
