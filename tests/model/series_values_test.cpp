// Series values over the decades searched: the bounds, the ends, the value at or above.
#include "model/series_values.h"

#include "model/series_tables.h"

#include <gtest/gtest.h>

#include <optional>

namespace
{
TEST(SeriesValuesBetween, BothBoundsIncludedInAscendingOrder)
{
    const std::vector<SeriesValue> e3 = SeriesValuesBetween(kSeriesE3, 220.0, 4700.0);
    const std::vector<SeriesValue> expected = {{220, 0}, {470, 0}, {100, 1}, {220, 1}, {470, 1}};
    EXPECT_EQ(e3, expected);
    EXPECT_EQ(SeriesValuesBetween(kSeriesE192, 0.0, 1e30).size(), 192u * 13u);
    EXPECT_EQ(SeriesValuesBetween(kSeriesE192, 0.0, 1e30).front(), (SeriesValue{100, -3}));
    EXPECT_EQ(SeriesValuesBetween(kSeriesE192, 0.0, 1e30).back(), (SeriesValue{988, 9}));
    EXPECT_TRUE(SeriesValuesBetween(kSeriesE12, 1500.1, 1799.9).empty());
    EXPECT_TRUE(SeriesValuesBetween(kSeriesE12, 2000.0, 1000.0).empty());
}

TEST(SeriesValueAtOrAbove, EqualOrNextUp)
{
    const struct
    {
        double ohms;
        std::optional<SeriesValue> value;
    } cases[] = {
        {150.0, SeriesValue{150, 0}}, {150.0001, SeriesValue{180, 0}}, {821.0, SeriesValue{100, 1}},
        {0.0, SeriesValue{100, -3}},  {0.1, SeriesValue{100, -3}},     {8.2e11, SeriesValue{820, 9}},
        {8.21e11, std::nullopt},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(SeriesValueAtOrAbove(kSeriesE12, c.ohms), c.value) << c.ohms;
    }
    EXPECT_EQ(SeriesTable(kSeriesE6Index).size(), 6u);
    EXPECT_EQ(SeriesTable(kSeriesCount).size(), 192u);
}
} // namespace
