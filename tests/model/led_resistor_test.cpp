// The LED's series resistor: the standard value that keeps the current, the power rating, the faults.
#include "model/led_resistor.h"

#include "model/series_values.h"

#include <gtest/gtest.h>

#include <optional>

namespace
{
constexpr std::optional<double> kNotANumber = std::nullopt;
constexpr std::optional<std::size_t> kNoRating = std::nullopt;

TEST(ComputeLedResistor, WorkedExamples)
{
    const struct
    {
        LedInput input; // supply, forward, count, mA, series
        double exactOhms;
        double standardOhms;
        std::optional<std::size_t> rating;
    } cases[] = {
        {{5.0, 2.0, 1.0, 20.0, kSeriesE24Index}, 150.0, 150.0, 0},         // exact standard value kept
        {{5.0, 1.8, 1.0, 20.0, kSeriesE24Index}, 160.0, 160.0, 1},         // 3,2 V as typed decimals; 64 mW
        {{5.0, 1.8, 1.0, 20.0, kSeriesE3Index}, 160.0, 220.0, 0},          // next E3 value up; 46,5 mW
        {{12.0, 3.2, 3.0, 20.0, kSeriesE12Index}, 120.0, 120.0, 0},        // three in series
        {{12.0, 2.0, 1.0, 20.0, kSeriesE12Index}, 500.0, 560.0, 2},        // 179 mW: 1/2 W
        {{12.0, 2.0, 1.0, 25.0, kSeriesE192Index}, 400.0, 402.0, 2},       // 249 mW: 1/2 W
        {{5.0, 1.8, 1.0, 1.0, kSeriesE6Index}, 3200.0, 3300.0, 0},         // one milliamp
        {{48.0, 2.0, 1.0, 500.0, kSeriesE6Index}, 92.0, 100.0, kNoRating}, // 21 W: beyond 2 W
        {{5.0, 2.0, 1.0, 20.0, 99}, 150.0, 150.0, 0},                      // beyond the list: E192
        {{3.3, 3.2, 1.0, 1000.0, kSeriesE24Index}, 0.1, 0.1, 1},           // the lowest value searched
    };
    for (const auto& c : cases)
    {
        const LedResult result = ComputeLedResistor(c.input);
        ASSERT_EQ(result.fault, LedFault::None) << c.exactOhms;
        EXPECT_NEAR(result.exactOhms, c.exactOhms, c.exactOhms * 1e-12);
        EXPECT_EQ(result.standardOhms, c.standardOhms) << c.exactOhms;
        EXPECT_EQ(result.rating, c.rating) << c.exactOhms;
        const double volts = *c.input.supplyVolts - *c.input.ledCount * *c.input.forwardVolts;
        EXPECT_NEAR(result.milliamps, volts / c.standardOhms * 1000.0, 1e-9);
        EXPECT_LE(result.milliamps, *c.input.milliamps * (1.0 + 1e-9)) << c.exactOhms;
        EXPECT_NEAR(result.watts, volts * volts / c.standardOhms, 1e-12);
    }
}

TEST(ComputeLedResistor, RatingKeepsAFactorOfTwo)
{
    // 2,5 V across 100 ohms: 62,5 mW, exactly half of 1/8 W; 2,6 V: 67,6 mW, 1/4 W.
    EXPECT_EQ(ComputeLedResistor({4.5, 2.0, 1.0, 25.0, kSeriesE12Index}).rating, 0u);
    EXPECT_EQ(ComputeLedResistor({4.6, 2.0, 1.0, 26.0, kSeriesE12Index}).rating, 1u);
    // 1 W across 1 ohm needs 2 W; 1,5 W none of the ratings.
    EXPECT_EQ(ComputeLedResistor({3.0, 2.0, 1.0, 1000.0, kSeriesE12Index}).rating, 4u);
    EXPECT_EQ(ComputeLedResistor({3.5, 2.0, 1.0, 1000.0, kSeriesE12Index}).rating, std::nullopt);
}

TEST(ComputeLedResistor, StandardValueIsTheSmallestThatKeepsTheCurrent)
{
    // Against a plain scan of every E24 value searched, over supplies from 3 to 30 V.
    for (int tenths = 30; tenths <= 300; ++tenths)
    {
        const LedInput input{tenths / 10.0, 1.8, 1.0, 15.0, kSeriesE24Index};
        const LedResult result = ComputeLedResistor(input);
        ASSERT_EQ(result.fault, LedFault::None) << tenths;
        double smallest = 0.0;
        for (const SeriesValue& value : SeriesValuesBetween(kSeriesE24, 0.0, 1e12))
        {
            const double ohms = SeriesValueOhms(value);
            const double milliamps = (input.supplyVolts.value() - 1.8) / ohms * 1000.0;
            if (milliamps <= 15.0 * (1.0 + 1e-9))
            {
                smallest = ohms;
                break;
            }
        }
        EXPECT_EQ(result.standardOhms, smallest) << tenths;
    }
}

TEST(ComputeLedResistor, ImpossibleCases)
{
    using enum LedFault;
    const struct
    {
        LedInput input;
        LedFault fault;
    } cases[] = {
        {{kNotANumber, 2.0, 1.0, 20.0}, SupplyNotANumber},
        {{kNotANumber, kNotANumber, kNotANumber, kNotANumber}, SupplyNotANumber},
        {{5.0, kNotANumber, 1.0, 20.0}, ForwardNotANumber},
        {{5.0, 2.0, kNotANumber, 20.0}, CountNotANumber},
        {{5.0, 2.0, 1.0, kNotANumber}, CurrentNotANumber},
        {{5.0, 2.0, 0.0, 20.0}, CountNotWhole},
        {{5.0, 2.0, 1.5, 20.0}, CountNotWhole},
        {{5.0, 0.0, 1.0, 20.0}, ForwardNotPositive},
        {{5.0, 2.0, 1.0, 0.0}, CurrentNotPositive},
        {{4.0, 2.0, 2.0, 20.0}, SupplyTooLow}, // equal to the LEDs' total
        {{-5.0, 2.0, 1.0, 20.0}, SupplyTooLow},
        {{3.25, 3.2, 1.0, 1000.0}, OutOfRange}, // 0,05 ohm
        {{1000.0, 2.0, 1.0, 1e-9}, OutOfRange}, // beyond 988 GOhms
        {{1e200, 2.0, 1.0, 1e200}, OutOfRange}, // the power overflows
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(ComputeLedResistor(c.input).fault, c.fault)
            << c.input.supplyVolts.value_or(-1) << " V, " << c.input.ledCount.value_or(-1) << " x "
            << c.input.forwardVolts.value_or(-1) << " V, " << c.input.milliamps.value_or(-1) << " mA";
    }
}
} // namespace
