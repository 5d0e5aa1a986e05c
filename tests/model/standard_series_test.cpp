// Standard series: the tables against their defining rule, the nearest value, the lines, the marking.
#include "model/standard_series.h"

#include "model/resistance_range.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace
{
using Table = std::span<const std::uint16_t>;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(SeriesTables, AscendingNestedAndNamedByTheirCount)
{
    for (const StandardSeries& series : kStandardSeries)
    {
        EXPECT_EQ(series.name, "E" + std::to_string(series.values.size()));
        EXPECT_TRUE(std::adjacent_find(series.values.begin(), series.values.end(), std::greater_equal<>()) ==
                    series.values.end())
            << series.name;
        EXPECT_TRUE(series.values.front() == 100 && series.values.back() <= 999) << series.name;
    }
    const std::size_t coarserInFiner[][2] = {{0, 1}, {1, 2}, {2, 3}, {4, 5}, {5, 6}};
    for (const auto& [coarse, fine] : coarserInFiner)
    {
        const Table part = kStandardSeries[coarse].values;
        const Table whole = kStandardSeries[fine].values;
        EXPECT_TRUE(std::includes(whole.begin(), whole.end(), part.begin(), part.end())) << coarse;
    }
}

TEST(SeriesTables, FinerSeriesAreTenToTheIOverNRounded)
{
    for (Table series : {Table(kSeriesE48), Table(kSeriesE96), Table(kSeriesE192)})
    {
        const auto n = static_cast<double>(series.size());
        for (std::size_t i = 0; i < series.size(); ++i)
        {
            const long rounded = std::lround(100.0 * std::pow(10.0, static_cast<double>(i) / n));
            const long expected = n == 192 && rounded == 919 ? 920 : rounded; // the standard's one exception
            EXPECT_EQ(series[i], expected) << "E" << n << " entry " << i;
        }
    }
}

TEST(DecadeExponent, DigitsOfWholeMilliohmsOrOwnDecade)
{
    const struct
    {
        double milliohms;
        std::optional<int> e;
    } cases[] = {
        {100.0, 0},          {999.0, 0},
        {999.9996, 0}, // the fraction does not carry into the next decade
        {999'999.0, 3},      {1'000'000.0, 4},
        {999'000'000.0, 6},  {1e9, 7},
        {99'999'999.0, 6}, // 99999999 in single precision is 10^8
        {99.999, -1},        {10.0, -1},
        {9.99, -2},          {0.1, -3},
        {1e-20, -22},        {9e-21, std::nullopt}, // counts as 0
        {0.0, std::nullopt}, {std::nan(""), std::nullopt},
        {-470.0, 0},         {kInfinity, 12},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(DecadeExponent(c.milliohms), c.e) << c.milliohms;
    }
}

TEST(NearestStandardValue, OwnDecadeOnlyAndTiesToTheLarger)
{
    const struct
    {
        double milliohms;
        std::size_t series;
        double nearest;
    } cases[] = {
        {1'150'000.0, kSeriesE24Index, 1'200'000.0}, // 1.1 k and 1.2 k equally near
        {9'900'000.0, kSeriesE12Index, 8'200'000.0}, // the next decade's 10 k is no candidate
        {3'000'000.0, kSeriesE96Index, 3'010'000.0},
        {1'050'000'000.0, kSeriesE24Index, 1'100'000'000.0}, // searched in ohms: still a tie
        {47'000'000'000.0, kSeriesE6Index, 47'000'000'000.0},
        {1.25, kSeriesE24Index, 1.3}, // below 0.1 Ohm: a tie in its own decade
        {0.0049, kSeriesE3Index, 0.0047},
        {165.4, kSeriesE24Index, 160.0}, // a fraction of a milliohm
        {999.9996, kSeriesE12Index, 820.0},
    };
    for (const auto& c : cases)
    {
        const Table table = kStandardSeries[c.series].values;
        EXPECT_DOUBLE_EQ(NearestStandardValue(c.milliohms, table, DecadeExponent(c.milliohms).value()),
                         c.nearest)
            << c.milliohms << " mOhm in " << kStandardSeries[c.series].name;
    }
}

TEST(StandardSeriesLines, WorkedExamples)
{
    const struct
    {
        double milliohms;
        std::size_t series;
        const char* line;
        double ohms;
    } cases[] = {
        {4'750'000.0, kSeriesE3Index, "E3 : 4,7 kOhm", 4'700.0},
        {4'750'000.0, kSeriesE48Index, "E48 : 4,64 kOhm", 4'640.0},
        {4'750'000.0, kSeriesE192Index, "E192 : 4,75 kOhm", 4'750.0},
        {100.0, kSeriesE3Index, "E3 : 0,1 Ohm", 0.1},
        {1'000'000.0, kSeriesE96Index, "E96 : 1 kOhm", 1'000.0},
        {999'000.0, kSeriesE3Index, "E3 : 470 Ohm", 470.0}, // the prefix follows the value
        {999'000'000.0, kSeriesE12Index, "E12 : 820 kOhm", 820'000.0},
        {1'000'000'000.0, kSeriesE192Index, "E192 : 1 MOhm", 1e6},
        {1'020'000'000.0, kSeriesE96Index, "E96 : 1,02 MOhm", 1.02e6},
        {3'000'000.0, kSeriesE24Index, "E24 : 3 kOhm", 3'000.0},
        {47.0, kSeriesE12Index, "E12 : 0,047 Ohm", 0.047},  // below 0.1 Ohm: its own decade
        {47.0, kSeriesE96Index, "E96 : 0,047 Ohm", 0.0475}, // 0.0475 in single precision
        {0.0, kSeriesE24Index, "E24 : 0 Ohm", 0.0},
        {1e-30, kSeriesE3Index, "E3 : 0 Ohm", 0.0},
        {std::nan(""), kSeriesE6Index, "E6 : 0 Ohm", 0.0},
        {kInfinity, kSeriesE3Index, "E3 : 470000 MOhm", 470e9}, // clamped to the largest value
        {-1e20, kSeriesE192Index, "E192 : 988000 MOhm", 988e9},
        {kLargestMilliohms, kSeriesE12Index, "E12 : 820000 MOhm", 820e9},
    };
    for (const auto& c : cases)
    {
        const StandardLines result = StandardSeriesLines(c.milliohms);
        EXPECT_EQ(result.lines[c.series], c.line) << c.milliohms;
        EXPECT_DOUBLE_EQ(result.ohms[c.series], c.ohms) << c.milliohms;
    }
}

TEST(ToleranceSeriesMarks, OneOfTheFineSeriesPerTolerance)
{
    // Tolerance combo index -> marked series; E3 and E6 are always left alone.
    const std::size_t marked[] = {kSeriesE12Index, kSeriesE24Index, kSeriesE96Index, kSeriesE48Index,
                                  kSeriesE192Index};
    for (int index = -1; index <= 8; ++index)
    {
        const auto marks = ToleranceSeriesMarks(index);
        for (std::size_t s = 0; s < kSeriesCount; ++s)
        {
            const bool isMarked = index >= 0 && index < 5 && marked[index] == s;
            const LineMark expected = s < 2 ? LineMark::Leave : isMarked ? LineMark::Mark : LineMark::Unmark;
            EXPECT_EQ(marks[s], expected) << "tolerance " << index << " series " << s;
        }
    }
}
} // namespace
