// Pass colours of a shaded ring.
#include "model/ring_gradient.h"

#include <algorithm>

namespace
{
constexpr int kLitEdge = 210;

std::uint8_t PassComponent(std::uint8_t component, int pass)
{
    // The step is rounded to single precision and the pass product is not: that pairing decides
    // the pictures' last shades (white ends at 254), so both are kept as they are.
    const float step = static_cast<float>(kLitEdge - component) * 0.02f;
    const double value = kLitEdge - static_cast<double>(step) * pass;
    return static_cast<std::uint8_t>(std::clamp(static_cast<int>(value), 0, 255));
}
} // namespace

RingRgb RingGradientColour(const RingRgb& colour, int pass)
{
    return {PassComponent(colour.red, pass), PassComponent(colour.green, pass),
            PassComponent(colour.blue, pass)};
}
