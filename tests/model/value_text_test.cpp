// Value box texts: the rings' value text, reading, filtering and the summary line.
#include "model/value_text.h"

#include "model/resistor_state.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace
{
constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(FormatRingValue, UnitChangesAtOneKiloAndOneMega)
{
    const struct
    {
        float hundredths;
        const char* text;
        int unit;
    } cases[] = {
        {0.0f, "0", kUnitOhm},
        {47.0f, "0,47", kUnitOhm},
        {99'999.0f, "999,99", kUnitOhm},
        {100'000.0f, "1", kUnitKiloOhm},
        {470'000.0f, "4,7", kUnitKiloOhm},
        {99'900'000.0f, "999", kUnitKiloOhm},
        {1e8f, "1", kUnitMegaOhm},
        {99'900'000'000.0f, "999", kUnitMegaOhm},
    };
    for (const auto& c : cases)
    {
        const RingValueText shown = FormatRingValue(c.hundredths);
        EXPECT_EQ(shown.text, c.text) << c.hundredths;
        EXPECT_EQ(shown.unit, c.unit) << c.hundredths;
    }
}

TEST(ParseValueText, ReadsLeadingNumberWithCommaOrPoint)
{
    const struct
    {
        std::string text;
        int unit;
        double milliohms;
    } cases[] = {
        {"4,7", kUnitKiloOhm, 4'700'000.0},
        {"4.7", kUnitKiloOhm, 4'700'000.0},
        {",5", kUnitOhm, 500.0},
        {"1,5,3", kUnitOhm, 1'500.0}, // only the first comma becomes a point
        {"1.2.3", kUnitOhm, 1'200.0},
        {"", kUnitMegaOhm, 0.0},
        {".", kUnitOhm, 0.0},
        {"-", kUnitOhm, 0.0},
        {" \t+12k", kUnitOhm, 12'000.0},
        {"-.5", kUnitOhm, -500.0},
        {"2E-3", kUnitOhm, 2.0},
        {"2e+", kUnitOhm, 2'000.0}, // an exponent without digits is not read
        {"2e+1x", kUnitOhm, 20'000.0},
        {"0x10", kUnitOhm, 0.0}, // neither hexadecimal nor words
        {"inf", kUnitOhm, 0.0},
        {"4,7", 3, 4'700'000'000.0}, // a unit beyond the list counts as the nearest
        {"4,7", -1, 4'700.0},
        {"1e400", kUnitOhm, kInfinity},
        {"-1e400", kUnitOhm, -kInfinity},
        {"1e-400", kUnitOhm, 0.0},
        {"0.000001e99999999999999999999", kUnitOhm, kInfinity},
        {"100000e-99999999999999999999", kUnitOhm, 0.0},
        {std::string(400, '9') + "e-390", kUnitOhm, 1e13},
        {"0." + std::string(500, '0') + "1e501", kUnitOhm, 1'000.0},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(ParseValueText(c.text, c.unit), c.milliohms) << '"' << c.text << "\" unit " << c.unit;
    }
}

TEST(FilterValueText, KeepsDigitsCommasAndPointsThenCaps)
{
    const struct
    {
        const char* text;
        int unit;
        const char* kept;
    } cases[] = {
        {"12345678901", kUnitOhm, "1234567890"},
        {"12345678901", kUnitKiloOhm, "1234567"},
        {"12345678901", kUnitMegaOhm, "1234"},
        {"abc5", kUnitOhm, "5"},
        {"5 k", kUnitOhm, "5"},
        {"-4,7.1", kUnitOhm, "4,7.1"},
        {"\xE9"
         "5\xB0",
         kUnitOhm, "5"},                    // Windows-1252 letters go too
        {"abcdefgh12", kUnitKiloOhm, "12"}, // letters take no room from the digits
        {"1e400", kUnitMegaOhm, "1400"},
        {"12345", -1, "12345"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(FilterValueText(c.text, c.unit), c.kept) << '"' << c.text << "\" unit " << c.unit;
    }
}

TEST(BuildValueSummary, SixRingsAddTheTemperatureCoefficient)
{
    const char* const tempCo = "50 ppm/\xB0"
                               "C";
    EXPECT_EQ(BuildValueSummary("4,7", kUnitKiloOhm, "5 %", tempCo, kRingMode5, "\xE0"),
              "4,7 kOhms \xE0 5 %");
    EXPECT_EQ(BuildValueSummary("4,7", kUnitKiloOhm, "5 %", tempCo, kRingMode6, "\xE0"),
              "4,7 kOhms \xE0 5 %, 50 ppm/\xB0"
              "C");
    EXPECT_EQ(BuildValueSummary("4.7", kUnitOhm, "0.50 %", tempCo, kRingMode4, "at"), "4.7 Ohms at 0.50 %");
    EXPECT_EQ(BuildValueSummary("1", kUnitMegaOhm, "1 %", "", kRingMode4, "\xE0"), "1 MOhms \xE0 1 %");
}
// The box rewrites itself after each key; the caret must stay after what was typed, so that
// typing a text key by key, wherever the caret stands, gives what pasting it whole gives.
TEST(FilteredCaret, TypingKeyByKeyKeepsWhatPastingKeeps)
{
    for (int unit : {kUnitOhm, kUnitKiloOhm, kUnitMegaOhm})
    {
        for (const char* typed : {"1k5", "4a7", "12345678901", "1e400", "4,7 k", "x"})
        {
            std::string box;
            std::size_t caret = 0;
            for (const char* p = typed; *p != '\0'; ++p)
            {
                const std::string keyed = box.substr(0, caret) + *p + box.substr(caret);
                box = FilterValueText(keyed, unit);
                caret = FilteredCaret(keyed, caret + 1, unit);
                ASSERT_LE(caret, box.size()) << typed;
            }
            EXPECT_EQ(box, FilterValueText(typed, unit)) << typed << " unit " << unit;
            EXPECT_EQ(caret, box.size()) << typed << " unit " << unit;
        }
    }
}

TEST(FilteredCaret, StaysAfterTheCharactersKeptBeforeIt)
{
    const struct
    {
        const char* text;
        std::size_t caret;
        int unit;
        std::size_t expected;
    } cases[] = {
        {"1k", 2, kUnitKiloOhm, 1},    // the letter just typed goes, the caret stays after the 1
        {"4a7", 2, kUnitOhm, 1},       // typed in the middle
        {"12345", 5, kUnitMegaOhm, 4}, // past the cap: at the end of what is kept
        {"12x34", 0, kUnitOhm, 0},     {"12x34", 99, kUnitOhm, 4}, // beyond the text: at its end
    };
    for (const auto& c : cases)
        EXPECT_EQ(FilteredCaret(c.text, c.caret, c.unit), c.expected) << c.text << " at " << c.caret;
}
} // namespace
