// The codes printed on surface-mount resistors, shared by their reading and their writing.
#pragma once

#include <array>
#include <optional>

enum class SmdCode
{
    // The single "0" of a zero-ohm link.
    ZeroLink,
    // Two significant digits and the power of ten ("472"), or R as the decimal mark ("4R7").
    ThreeDigit,
    // Three significant digits and the power of ten ("4701"), or R as the decimal mark ("10R0").
    FourDigit,
    // The index 01 to 96 of an E96 mantissa and a multiplier letter ("01C").
    Eia96,
    // Digits with R, K or M (ohms, kilo-ohms, mega-ohms) or m (milliohms) as the decimal mark.
    Letter,
};

struct Eia96Multiplier
{
    char letter;
    // Power of ten of the multiplier in ohms.
    int exponent;
};

// Where two letters mean the same multiplier the first is the one written; both are read.
inline constexpr std::array<Eia96Multiplier, 12> kEia96Multipliers = {{
    {'Z', -3},
    {'Y', -2},
    {'R', -2},
    {'X', -1},
    {'S', -1},
    {'A', 0},
    {'B', 1},
    {'H', 1},
    {'C', 2},
    {'D', 3},
    {'E', 4},
    {'F', 5},
}};

// The tolerance that a code stands for by itself: 1 % for EIA-96, none for the others.
constexpr std::optional<int> ImpliedTolerancePercent(SmdCode code)
{
    return code == SmdCode::Eia96 ? std::optional<int>(1) : std::nullopt;
}
