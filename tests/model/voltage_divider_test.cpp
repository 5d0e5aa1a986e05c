// The divider's best pairs: worked examples, the faults, and a plain search over all pairs.
#include "model/voltage_divider.h"

#include "model/series_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <span>
#include <tuple>
#include <vector>

namespace
{
constexpr std::optional<double> kNotANumber = std::nullopt;

DividerInput Ratio(double ratio, std::size_t series, double lowest = 1e3, double highest = 1e6)
{
    return {1.0, ratio, true, lowest, highest, series};
}

TEST(FindDividerPairs, EqualRatiosGoToTheSmallerTotalAndEachPairsFigures)
{
    // 12 V to 5 V in E24: 1k8 over 1k3 gives 5,032 V (+0,645 %), as do ten and a hundred times
    // that pair, which come after it; then 5k1 over 3k6, 4,966 V (-0,690 %).
    const DividerResult result = FindDividerPairs({12.0, 5.0, false, 1e3, 1e6, kSeriesE24Index});
    ASSERT_EQ(result.fault, DividerFault::None);
    ASSERT_EQ(result.pairs.size(), kDividerPairCount);
    const double best[][2] = {{1800, 1300}, {18e3, 13e3}, {180e3, 130e3}, {5100, 3600}};
    for (std::size_t i = 0; i < std::size(best); ++i)
    {
        EXPECT_EQ(result.pairs[i].r1Ohms, best[i][0]) << i;
        EXPECT_EQ(result.pairs[i].r2Ohms, best[i][1]) << i;
    }
    EXPECT_NEAR(result.pairs[0].errorPercent, 0.645, 0.001);
    EXPECT_NEAR(result.pairs[3].errorPercent, -0.690, 0.001);
    for (const DividerPair& pair : result.pairs)
    {
        const double total = pair.r1Ohms + pair.r2Ohms;
        EXPECT_TRUE(pair.r1Ohms >= 1e3 && pair.r2Ohms >= 1e3 && total <= 1e6)
            << pair.r1Ohms << " " << pair.r2Ohms;
        EXPECT_DOUBLE_EQ(pair.outputVolts, 12.0 * pair.r2Ohms / total);
        EXPECT_NEAR(pair.errorPercent, (pair.outputVolts - 5.0) / 5.0 * 100.0, 1e-9);
        EXPECT_DOUBLE_EQ(pair.milliamps, 12.0 / total * 1000.0);
    }

    // A negative input with an output between it and 0 is a ratio like any other.
    const DividerResult negative = FindDividerPairs({-12.0, -6.0, false, 1e3, 1e6, kSeriesE12Index});
    ASSERT_EQ(negative.fault, DividerFault::None);
    EXPECT_EQ(negative.pairs[0].outputVolts, -6.0);
    EXPECT_LT(negative.pairs[0].milliamps, 0.0);
}

TEST(FindDividerPairs, FewerPairsThanTenAndTheRangesEnds)
{
    // E3 from 1k to 2k2: only 1k + 1k keeps the total in range; 2k2 alone is no pair.
    const DividerResult one = FindDividerPairs(Ratio(0.3, kSeriesE3Index, 1e3, 2.2e3));
    ASSERT_EQ(one.pairs.size(), 1u);
    EXPECT_EQ(one.pairs[0].r1Ohms, 1e3);
    EXPECT_EQ(one.pairs[0].r2Ohms, 1e3);
    // A total equal to the upper end is in range (1k + 1k up to 2k); a value below the lower end is
    // never taken, even where the total would be in range (1k + 1k from 1k5 up).
    EXPECT_EQ(FindDividerPairs(Ratio(0.5, kSeriesE3Index, 1e3, 2e3)).pairs.size(), 1u);
    EXPECT_EQ(FindDividerPairs(Ratio(0.5, kSeriesE3Index, 1e3, 1999.0)).fault, DividerFault::NoPairInRange);
    EXPECT_EQ(FindDividerPairs(Ratio(0.5, kSeriesE3Index, 1.5e3, 2.2e3)).fault, DividerFault::NoPairInRange);
}

TEST(FindDividerPairs, ImpossibleCases)
{
    using enum DividerFault;
    const struct
    {
        DividerInput input; // volts, wanted, ratio?, lowest, highest, series
        DividerFault fault;
    } cases[] = {
        {{kNotANumber, 5.0, false, 1e3, 1e6}, InputNotANumber},
        {{12.0, kNotANumber, false, 1e3, 1e6}, WantedNotANumber},
        {{12.0, 5.0, false, kNotANumber, 1e6}, RangeNotANumber},
        {{12.0, 0.0, false, 1e3, 1e6}, WantedOutOfRange},
        {{12.0, 12.0, false, 1e3, 1e6}, WantedOutOfRange},
        {{12.0, 13.0, false, 1e3, 1e6}, WantedOutOfRange},
        {{0.0, 5.0, false, 1e3, 1e6}, WantedOutOfRange},
        {{12.0, 1.0, true, 1e3, 1e6}, WantedOutOfRange},
        {{12.0, 5.0, false, 1e6, 1e3}, RangeEmpty},
        {{12.0, 5.0, false, 1e3, 1.5e3}, NoPairInRange},
        {{12.0, 5.0, false, -1e6, -1e3}, NoPairInRange},
        {{12.0, 5.0, false, 1e13, 1e14}, NoPairInRange}, // beyond the values searched
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(FindDividerPairs(c.input).fault, c.fault)
            << c.input.inputVolts.value_or(-1) << " V, wanted " << c.input.wanted.value_or(-1) << " from "
            << c.input.lowestOhms.value_or(-1) << " to " << c.input.highestOhms.value_or(-1);
    }
    EXPECT_EQ(FindDividerPairs({0.0, 0.5, true, 1e3, 1e6}).fault, None); // a ratio needs no input
}

// The plain search: every series value in the range, computed on its own, against every other.
std::vector<double> SeriesOhms(std::span<const std::uint16_t> table, double lowest, double highest)
{
    std::vector<double> values;
    for (int exponent = -3; exponent <= 9; ++exponent)
    {
        for (std::uint16_t entry : table)
        {
            double ohms = entry;
            for (int i = 0; i < std::abs(exponent); ++i)
            {
                ohms = exponent > 0 ? ohms * 10.0 : ohms / 10.0;
            }
            if (ohms >= lowest && ohms <= highest)
            {
                values.push_back(ohms);
            }
        }
    }
    return values;
}

std::vector<std::pair<double, double>> PlainSearch(std::span<const std::uint16_t> table, double ratio,
                                                   double lowest, double highest)
{
    using Ranked = std::tuple<double, double, double, double>; // error, total, R2, R1
    const std::vector<double> values = SeriesOhms(table, lowest, highest);
    std::vector<Ranked> best;
    for (double r1 : values)
    {
        for (double r2 : values)
        {
            if (r1 + r2 > highest)
            {
                break; // the values ascend
            }
            const double error = std::fabs(r2 / (r1 + r2) - ratio);
            const bool full = best.size() == kDividerPairCount;
            if (full && error > std::get<0>(best.back()))
            {
                continue;
            }
            const Ranked pair{error, r1 + r2, r2, r1};
            if (!full || pair < best.back())
            {
                best.insert(std::upper_bound(best.begin(), best.end(), pair), pair);
                best.resize(std::min(best.size(), kDividerPairCount));
            }
        }
    }
    std::vector<std::pair<double, double>> pairs;
    for (const Ranked& pair : best)
    {
        pairs.emplace_back(std::get<3>(pair), std::get<2>(pair));
    }
    return pairs;
}

TEST(FindDividerPairs, SameAsAPlainSearchOnGeneratedTargets)
{
    std::mt19937 random(19u);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int target = 0; target < 1000; ++target)
    {
        // The first ones over the default range in E192; then from 100 ohms, where every value is
        // a whole number of ohms and the plain search's own doubles are exact, over up to two decades.
        const bool byDefault = target < 10;
        const std::size_t series = byDefault ? kSeriesE192Index : random() % kSeriesCount;
        const std::span<const std::uint16_t> table = kStandardSeries[series].values;
        const double lowest =
            byDefault ? kDividerDefaultLowestOhms : 100.0 * std::pow(10.0, 4.0 * unit(random));
        const double highest =
            byDefault ? kDividerDefaultHighestOhms : lowest * std::pow(10.0, 0.2 + 1.8 * unit(random));
        double ratio = 0.001 + 0.998 * unit(random);
        if (target % 10 == 1)
        {
            // The exact ratio of two values of the series, which many pairs share.
            const std::vector<double> values = SeriesOhms(table, lowest, highest);
            if (!values.empty())
            {
                const double r1 = values[random() % values.size()];
                const double r2 = values[random() % values.size()];
                ratio = r2 / (r1 + r2);
            }
        }
        const DividerResult result = FindDividerPairs(Ratio(ratio, series, lowest, highest));
        const std::vector<std::pair<double, double>> expected = PlainSearch(table, ratio, lowest, highest);
        ASSERT_EQ(result.fault, expected.empty() ? DividerFault::NoPairInRange : DividerFault::None)
            << target;
        ASSERT_EQ(result.pairs.size(), expected.size()) << target;
        for (std::size_t i = 0; i < expected.size(); ++i)
        {
            ASSERT_EQ(result.pairs[i].r1Ohms, expected[i].first)
                << "target " << target << " pair " << i << " ratio " << ratio << " E" << table.size();
            ASSERT_EQ(result.pairs[i].r2Ohms, expected[i].second)
                << "target " << target << " pair " << i << " ratio " << ratio << " E" << table.size();
        }
    }
}
} // namespace
