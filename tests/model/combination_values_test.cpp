// Values for the combination search: a series over a range, bounds included, and a stock list.
#include "model/combination_values.h"

#include "model/series_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{
TEST(SeriesValuesInRange, DecadesFromOneOhmToTenMegohmsWithBothEnds)
{
    const struct
    {
        std::size_t series;
        std::size_t count;
    } cases[] = {
        {kSeriesE3Index, 22},
        {kSeriesE24Index, 169},
        {kSeriesE96Index, 673},
        {kSeriesE192Index, 1345},
    };
    for (const auto& c : cases)
    {
        const std::vector<double> values =
            SeriesValuesInRange(c.series, kDefaultLowestOhms, kDefaultHighestOhms);
        EXPECT_EQ(values.size(), c.count) << c.series;
        EXPECT_EQ(values.front(), 1.0);
        EXPECT_EQ(values.back(), 1e7);
        EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
    }
}

TEST(SeriesValuesInRange, EachTheDoubleATypedValueReadsAs)
{
    const std::vector<double> values = SeriesValuesInRange(kSeriesE24Index, 0.1, 1e11);
    for (const double typed : {0.47, 4.7, 47.0, 4.7e3, 9.1e6, 3.3e10, 0.91, 1.3})
    {
        EXPECT_TRUE(std::binary_search(values.begin(), values.end(), typed)) << typed;
    }
}

TEST(SeriesValuesInRange, BoundsOnAValueTakeItInAndEmptyRangesGiveNothing)
{
    const std::vector<double> fromFourSeven = SeriesValuesInRange(kSeriesE3Index, 4.7, 4700.0);
    EXPECT_EQ(fromFourSeven, (std::vector<double>{4.7, 10, 22, 47, 100, 220, 470, 1000, 2200, 4700}));
    // A bound reckoned from a typed text may lie a few last bits away from the value.
    const double above = 4700.0 * (1.0 + 1e-15);
    EXPECT_EQ(SeriesValuesInRange(kSeriesE3Index, above, above), std::vector<double>{4700.0});
    const double below = 4700.0 * (1.0 - 1e-15);
    EXPECT_EQ(SeriesValuesInRange(kSeriesE3Index, below, below), std::vector<double>{4700.0});

    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    const struct
    {
        std::size_t series;
        double lowest;
        double highest;
    } empty[] = {
        {kSeriesE3Index, 5.0, 9.0},     {kSeriesE3Index, 1000.0, 10.0},
        {kSeriesCount, 1.0, 1e7},       {kSeriesE3Index, 0.0, 100.0},
        {kSeriesE3Index, -10.0, 100.0}, {kSeriesE3Index, kNaN, 100.0},
        {kSeriesE3Index, 1.0, kNaN},    {kSeriesE3Index, 1.0, std::numeric_limits<double>::infinity()},
    };
    for (const auto& c : empty)
    {
        EXPECT_TRUE(SeriesValuesInRange(c.series, c.lowest, c.highest).empty())
            << c.lowest << " " << c.highest;
    }
}

TEST(SeriesValuesInRange, TheWholeRangeOfTheModel)
{
    const std::vector<double> values = SeriesValuesInRange(kSeriesE192Index, 0.0001, 1e13);
    EXPECT_EQ(values.front(), 0.001);
    EXPECT_EQ(values.back(), 988e9);
    EXPECT_TRUE(std::all_of(values.begin(), values.end(), IsCombinationOhms));
}

TEST(SortedDistinctValues, AscendingEachOnce)
{
    const double stock[] = {4700.0, 1.0, 4700.0, 220.0, 1.0};
    EXPECT_EQ(SortedDistinctValues(stock), (std::vector<double>{1.0, 220.0, 4700.0}));
}
} // namespace
