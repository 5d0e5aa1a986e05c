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

struct RingPaint
{
    Colour colour;
    RingRgb rgb;
};

constexpr RingRgb kBlackRgb{0, 0, 0};
constexpr RingRgb kBrownRgb{136, 109, 72};
constexpr RingRgb kRedRgb{255, 0, 0};
constexpr RingRgb kOrangeRgb{255, 128, 0};
constexpr RingRgb kYellowRgb{255, 255, 0};
constexpr RingRgb kGreenRgb{0, 255, 0};
constexpr RingRgb kBlueRgb{0, 0, 192};
constexpr RingRgb kVioletRgb{192, 0, 192};
constexpr RingRgb kGreyRgb{224, 224, 224};
constexpr RingRgb kWhiteRgb{255, 255, 255};
constexpr RingRgb kSilverRgb{128, 128, 128};
constexpr RingRgb kGoldRgb{192, 192, 0};

constexpr std::array<RingPaint, 10> kDigitPaint = {{
    {Colour::Black, kBlackRgb},
    {Colour::Brown, kBrownRgb},
    {Colour::Red, kRedRgb},
    {Colour::Orange, kOrangeRgb},
    {Colour::Yellow, kYellowRgb},
    {Colour::Green, kGreenRgb},
    {Colour::Blue, kBlueRgb},
    {Colour::Violet, kVioletRgb},
    {Colour::Grey, kGreyRgb},
    {Colour::White, kWhiteRgb},
}};

constexpr std::array<RingPaint, 9> kMultiplierPaint = {{
    {Colour::Silver, kSilverRgb},
    {Colour::Gold, kGoldRgb},
    {Colour::Black, kBlackRgb},
    {Colour::Brown, kBrownRgb},
    {Colour::Red, kRedRgb},
    {Colour::Orange, kOrangeRgb},
    {Colour::Yellow, kYellowRgb},
    {Colour::Green, kGreenRgb},
    {Colour::Blue, kBlueRgb},
}};

// The tolerance ring paints blue and violet a little lighter than the other rings.
constexpr std::array<RingPaint, 8> kTolerancePaint = {{
    {Colour::Silver, kSilverRgb},
    {Colour::Gold, kGoldRgb},
    {Colour::Brown, kBrownRgb},
    {Colour::Red, kRedRgb},
    {Colour::Green, kGreenRgb},
    {Colour::Blue, {0, 0, 198}},
    {Colour::Violet, {198, 0, 198}},
    {Colour::Grey, kGreyRgb},
}};

constexpr std::array<RingPaint, 7> kTempCoPaint = {{
    {Colour::Brown, kBrownRgb},
    {Colour::Red, kRedRgb},
    {Colour::Orange, kOrangeRgb},
    {Colour::Yellow, kYellowRgb},
    {Colour::Blue, kBlueRgb},
    {Colour::Violet, kVioletRgb},
    {Colour::White, kWhiteRgb},
}};

// Ordered by colour, not by value, so "1 %" (brown) comes before "2 %" (red).
constexpr std::array<std::string_view, 8> kToleranceTexts = {
    "10 %", "5 %", "1 %", "2 %", "0.50 %", "0.25 %", "0.10 %", "0.05 %",
};

constexpr std::array<std::string_view, 7> kTempCoTexts = {
    "100 ppm/°C", "50 ppm/°C", "15 ppm/°C", "25 ppm/°C", "10 ppm/°C", "5 ppm/°C", "1 ppm/°C",
};

std::span<const RingPaint> PaintTable(int slot)
{
    switch (slot)
    {
    case kSlotFirstDigit:
    case kSlotSecondDigit:
    case kSlotThirdDigit:
        return kDigitPaint;
    case kSlotMultiplier:
        return kMultiplierPaint;
    case kSlotTolerance:
        return kTolerancePaint;
    case kSlotTempCo:
        return kTempCoPaint;
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
    const std::optional<RingPaint> paint = AtPosition(PaintTable(slot), position);
    if (!paint)
    {
        return std::nullopt;
    }
    return paint->rgb;
}

std::optional<int> RingColourName(int slot, int position)
{
    const std::optional<RingPaint> paint = AtPosition(PaintTable(slot), position);
    if (!paint)
    {
        return std::nullopt;
    }
    return kFirstColourNameId + static_cast<int>(paint->colour);
}

std::string_view ToleranceText(int position)
{
    return AtPosition<std::string_view>(kToleranceTexts, position).value_or("");
}

std::string_view TempCoText(int position)
{
    return AtPosition<std::string_view>(kTempCoTexts, position).value_or("");
}
