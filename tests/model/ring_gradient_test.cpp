// Shades of a painted ring: the lit edge, the ends reached by every ring colour, the way between.
#include "model/ring_gradient.h"

#include "model/resistor_state.h"

#include <gtest/gtest.h>

namespace
{
constexpr int kLastPass = kRingGradientPasses - 1;

// Where the single-precision step lands a colour's last pass.
std::uint8_t EndOf(std::uint8_t component)
{
    switch (component)
    {
    case 255:
        return 254;
    case 136:
        return 135;
    default:
        return component;
    }
}

TEST(RingGradient, EveryRingColourStartsLightAndEndsAtItsOwnShade)
{
    for (int slot = 0; slot < static_cast<int>(kRingSlotCount); ++slot)
    {
        for (int position = 1; position <= kRingPositionCount[slot]; ++position)
        {
            const RingRgb colour = RingColour(slot, position).value();
            const RingRgb expectedEnd{EndOf(colour.red), EndOf(colour.green), EndOf(colour.blue)};
            EXPECT_EQ(RingGradientColour(colour, 0), (RingRgb{210, 210, 210})) << slot << " " << position;
            EXPECT_EQ(RingGradientColour(colour, kLastPass), expectedEnd) << slot << " " << position;
        }
    }
}

TEST(RingGradient, ComponentsMoveSteadilyFromTheEdgeTowardTheColour)
{
    const struct
    {
        RingRgb colour;
        int pass;
        RingRgb expected;
    } cases[] = {
        {{0, 0, 0}, 25, {105, 105, 105}},       // black: half way
        {{0, 0, 0}, 1, {205, 205, 205}},        // 210 - 4.2, truncated
        {{255, 255, 255}, 25, {232, 232, 232}}, // white rises above the edge grey
        {{136, 109, 72}, 50, {135, 109, 72}},   // brown, the spelled-out end
        {{255, 128, 0}, 10, {218, 193, 168}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RingGradientColour(c.colour, c.pass), c.expected) << c.pass;

    for (int pass = 1; pass <= kLastPass; ++pass)
    {
        EXPECT_LE(RingGradientColour({0, 0, 0}, pass).red, RingGradientColour({0, 0, 0}, pass - 1).red);
        EXPECT_GE(RingGradientColour({255, 255, 255}, pass).red,
                  RingGradientColour({255, 255, 255}, pass - 1).red);
    }
}
} // namespace
