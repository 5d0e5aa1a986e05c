// Painting colours and names of the ring positions, and the tolerance and temperature texts.
#include "model/ring_colours.h"

#include "model/resistor_state.h"

#include <array>
#include <span>

namespace
{
// In the order of the string table, which names them from id 165 on.
enum class Colour
{
    Black,
    Brown,
    Red,
    Orange,
    Yellow,
    Green,
    Blue,
    Violet,
    Grey,
    White,
    Silver,
    Gold,
};

constexpr int kFirstColourNameId = 165;

// Painting components in the order of Colour.
constexpr std::array<RingRgb, 12> kColourRgb = {{
    {0, 0, 0},       // black
    {136, 109, 72},  // brown
    {255, 0, 0},     // red
    {255, 128, 0},   // orange
    {255, 255, 0},   // yellow
    {0, 255, 0},     // green
    {0, 0, 192},     // blue
    {192, 0, 192},   // violet
    {224, 224, 224}, // grey
    {255, 255, 255}, // white
    {128, 128, 128}, // silver
    {192, 192, 0},   // gold
}};

// The tolerance ring paints blue and violet a little lighter than the other rings.
constexpr RingRgb kToleranceBlueRgb{0, 0, 198};
constexpr RingRgb kToleranceVioletRgb{198, 0, 198};

using enum Colour;
constexpr std::array<Colour, 10> kDigitColours = {Black, Brown, Red,    Orange, Yellow,
                                                  Green, Blue,  Violet, Grey,   White};
constexpr std::array<Colour, 9> kMultiplierColours = {Silver, Gold,   Black, Brown, Red,
                                                      Orange, Yellow, Green, Blue};
constexpr std::array<Colour, 8> kToleranceColours = {Silver, Gold, Brown, Red, Green, Blue, Violet, Grey};
constexpr std::array<Colour, 7> kTempCoColours = {Brown, Red, Orange, Yellow, Blue, Violet, White};

// Ordered by colour, not by value, so "1 %" (brown) comes before "2 %" (red).
constexpr std::array<std::string_view, 8> kToleranceTexts = {
    "10 %", "5 %", "1 %", "2 %", "0.50 %", "0.25 %", "0.10 %", "0.05 %",
};

constexpr std::array<std::string_view, 7> kTempCoTexts = {
    "100 ppm/°C", "50 ppm/°C", "15 ppm/°C", "25 ppm/°C", "10 ppm/°C", "5 ppm/°C", "1 ppm/°C",
};

std::span<const Colour> ColourTable(int slot)
{
    switch (slot)
    {
    case kSlotFirstDigit:
    case kSlotSecondDigit:
    case kSlotThirdDigit:
        return kDigitColours;
    case kSlotMultiplier:
        return kMultiplierColours;
    case kSlotTolerance:
        return kToleranceColours;
    case kSlotTempCo:
        return kTempCoColours;
    default:
        return {};
    }
}

template <typename T> std::optional<T> AtPosition(std::span<const T> table, int position)
{
    if (position < 1 || static_cast<std::size_t>(position) > table.size())
    {
        return std::nullopt;
    }
    return table[static_cast<std::size_t>(position - 1)];
}
} // namespace

std::optional<RingRgb> RingColour(int slot, int position)
{
    const std::optional<Colour> colour = AtPosition(ColourTable(slot), position);
    if (!colour)
    {
        return std::nullopt;
    }
    if (slot == kSlotTolerance && *colour == Colour::Blue)
    {
        return kToleranceBlueRgb;
    }
    if (slot == kSlotTolerance && *colour == Colour::Violet)
    {
        return kToleranceVioletRgb;
    }
    return kColourRgb[static_cast<std::size_t>(*colour)];
}

std::optional<int> RingColourName(int slot, int position)
{
    const std::optional<Colour> colour = AtPosition(ColourTable(slot), position);
    if (!colour)
    {
        return std::nullopt;
    }
    return kFirstColourNameId + static_cast<int>(*colour);
}

std::string_view ToleranceText(int position)
{
    return AtPosition<std::string_view>(kToleranceTexts, position).value_or("");
}

std::string_view TempCoText(int position)
{
    return AtPosition<std::string_view>(kTempCoTexts, position).value_or("");
}
