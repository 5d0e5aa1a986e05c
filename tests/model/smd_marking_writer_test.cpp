// Writing SMD markings: each code's forms and limits, and the round trips through the reading.
#include "model/smd_marking_writer.h"

#include "model/decimal_value.h"
#include "model/main_state.h"
#include "model/series_tables.h"
#include "model/smd_marking_reader.h"
#include "model/value_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <span>
#include <string>

namespace
{
using enum SmdWriteFault;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct WriteCase
{
    double ohms;
    const char* threeDigit;
    const char* fourDigit;
    const char* eia96;
    const char* letter;
};

// The text, or the fault's name.
std::string Shown(const SmdMarking& marking)
{
    const char* const faults[] = {"", "digits", "range", "E96"};
    return marking.fault == None ? marking.text : faults[static_cast<int>(marking.fault)];
}

TEST(WriteSmdMarkings, EachCodeItsFormsAndLimits)
{
    const WriteCase cases[] = {
        {0.0, "000", "0000", "E96", "0R0"},           {4700.0, "472", "4701", "E96", "4K7"},
        {10.0, "100", "10R0", "01X", "10R0"},         {10e3, "103", "1002", "01C", "10K"},
        {49.9, "digits", "49R9", "68X", "49R9"},      {47.0, "470", "47R0", "E96", "47R0"},
        {470.0, "471", "4700", "E96", "470R"},        {4.7, "4R7", "4R70", "E96", "4R7"},
        {0.47, "R47", "R470", "E96", "R47"},          {1.0, "1R0", "1R00", "01Y", "1R0"},
        {0.1, "R10", "R100", "01Z", "R10"},           {0.05, "R05", "R050", "range", "50m"},
        {0.01, "R01", "R010", "range", "10m"},        {0.015, "digits", "R015", "range", "15m"},
        {0.0099, "range", "digits", "range", "9m9"},  {0.001, "range", "R001", "range", "1m0"},
        {0.0015, "range", "digits", "range", "1m5"},  {0.0009, "range", "range", "range", "range"},
        {1e-30, "range", "range", "range", "range"},  {99e9, "999", "9908", "range", "range"},
        {100e9, "range", "1009", "range", "range"},   {999e9, "range", "9999", "range", "range"},
        {1e12, "range", "range", "range", "range"},   {9999e6, "digits", "digits", "range", "9999M"},
        {1e6, "105", "1004", "01E", "1M0"},           {2.2e6, "225", "2204", "E96", "2M2"},
        {97.6e6, "digits", "9765", "96F", "97M6"},    {97.7e6, "digits", "9775", "range", "97M7"},
        {100e6, "107", "1006", "range", "100M"},      {4753.0, "digits", "digits", "E96", "4K753"},
        {4750.0, "digits", "4751", "66B", "4K75"},    {47530.0, "digits", "digits", "E96", "47K53"},
        {999.9, "digits", "digits", "E96", "999R9"},  {4700.01, "digits", "digits", "E96", "digits"},
        {0.4753, "digits", "digits", "E96", "R4753"},
    };
    for (const WriteCase& c : cases)
    {
        const SmdMarkings written = WriteSmdMarkings(c.ohms * 1000.0);
        EXPECT_EQ(Shown(written.threeDigit), c.threeDigit) << c.ohms << " ohms";
        EXPECT_EQ(Shown(written.fourDigit), c.fourDigit) << c.ohms << " ohms";
        EXPECT_EQ(Shown(written.eia96), c.eia96) << c.ohms << " ohms";
        EXPECT_EQ(Shown(written.letter), c.letter) << c.ohms << " ohms";
    }
    // As everywhere in the model: the sign dropped, NaN as 0, an infinity as the largest value.
    EXPECT_EQ(WriteSmdMarkings(-4.7e6).fourDigit.text, "4701");
    EXPECT_EQ(WriteSmdMarkings(kNaN).letter.text, "0R0");
    EXPECT_EQ(WriteSmdMarkings(kInfinity).fourDigit.fault, OutOfRange);
}

// Every table value times every power of ten from `lowest` to `highest`, in milliohms.
void ExpectRoundTrip(SmdMarking (*write)(double), std::span<const std::uint16_t> table, int lowest,
                     int highest)
{
    for (int exponent = lowest; exponent <= highest; ++exponent)
    {
        for (std::uint16_t entry : table)
        {
            const double milliohms = DecimalToDouble({entry, exponent});
            const SmdMarking marking = write(milliohms);
            ASSERT_EQ(marking.fault, None) << milliohms;
            EXPECT_EQ(ReadSmdMarking(marking.text).milliohms, milliohms) << marking.text;
        }
    }
}

TEST(SmdRoundTrip, E24InTheThreeDigitCodeE96InTheFourDigitAndEia96Codes)
{
    // 3-digit: R10 (0,1 ohm) to 919 (91 GOhms); 4-digit: R100 to 9769 (976 GOhms); EIA-96: 01Z
    // (0,1 ohm) to 96F (97,6 MOhms).
    ExpectRoundTrip(WriteThreeDigitCode, kSeriesE24, 0, 11);
    ExpectRoundTrip(WriteFourDigitCode, kSeriesE96, 0, 12);
    ExpectRoundTrip(WriteEia96Code, kSeriesE96, 0, 8);
    EXPECT_EQ(WriteThreeDigitCode(910e11).text, "919");
    EXPECT_EQ(WriteFourDigitCode(976e12).text, "9769");
}

TEST(SmdRoundTrip, LetterCodeInBothReadings)
{
    for (int exponent = 0; exponent <= 9; ++exponent)
    {
        for (std::uint64_t significand = 1; significand <= 9999; significand += 7)
        {
            const double milliohms = DecimalToDouble({significand, exponent});
            const SmdMarking marking = WriteLetterCode(milliohms);
            if (marking.fault == None)
            {
                EXPECT_EQ(ReadSmdMarking(marking.text).milliohms, milliohms) << marking.text;
                EXPECT_EQ(ReadLetterCode(marking.text).milliohms, milliohms) << marking.text;
            }
        }
    }
}

TEST(SmdRoundTrip, EveryFiveRingValueAsTheValueBoxShowsIt)
{
    // The live markings come from the main window's value box: its text must write the rings'
    // own digits, which the 4-digit code holds in every decade.
    MainState state;
    state.rings.ringMode = kRingMode5;
    for (int multiplier = 1; multiplier <= 9; ++multiplier)
    {
        for (int digits = 0; digits < 1000; ++digits)
        {
            state.rings.positions = {
                digits / 100 + 1, digits / 10 % 10 + 1, digits % 10 + 1, multiplier, 1, 1};
            state = ShowRings(state);
            const double milliohms = ParseValueText(state.valueText, state.unit);
            const double rings = DecimalToDouble({static_cast<std::uint64_t>(digits), multiplier});
            const SmdReading reading = ReadSmdMarking(WriteFourDigitCode(milliohms).text);
            ASSERT_TRUE(reading.IsRead()) << state.valueText;
            ASSERT_EQ(reading.milliohms, rings) << state.valueText << " unit " << state.unit;
        }
    }
}
} // namespace
