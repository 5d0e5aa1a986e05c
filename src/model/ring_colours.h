// Painting colours and names of the ring positions, and the tolerance and temperature texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

struct RingRgb
{
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    bool operator==(const RingRgb&) const = default;
};

// Both give nothing for a slot or position out of range.
std::optional<RingRgb> RingColour(int slot, int position);
// String-table id of the colour name, from 165 ("Noir") to 176 ("Or").
std::optional<int> RingColourName(int slot, int position);

// Also the combo entries: combo index = position - 1. Empty for a position out of range.
std::string_view ToleranceText(int position);
std::string_view TempCoText(int position);
