// Rounding a double to single precision without undefined behaviour out of float's range.
#pragma once

#include <cmath>
#include <limits>

// Rounds to nearest as the hardware does: beyond float's range an infinity of the same sign.
inline float ToSingle(double value)
{
    // Halfway between the largest float and 2^128: from here on rounding goes to infinity.
    constexpr double kOverflowBound = 340282356779733661637539395458142568448.0;
    if (std::fabs(value) >= kOverflowBound)
    {
        const float infinity = std::numeric_limits<float>::infinity();
        return value > 0 ? infinity : -infinity;
    }
    return static_cast<float>(value);
}
