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

TEST(FilterValueText, CapsThenKeepsDigitsCommasAndPoints)
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
         kUnitOhm, "5"},                  // Windows-1252 letters go too
        {"abcdefgh12", kUnitKiloOhm, ""}, // cut before the digits are reached
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
} // namespace
