// The values of a standard series over the decades that the calculation tools search.
#include "model/series_values.h"

#include "model/decimal_value.h"
#include "model/series_tables.h"

#include <algorithm>

double SeriesValueOhms(SeriesValue value)
{
    return DecimalToDouble({value.entry, value.exponent});
}

std::span<const std::uint16_t> SeriesTable(std::size_t series)
{
    return kStandardSeries[std::min(series, kSeriesCount - 1)].values;
}

std::vector<SeriesValue> SeriesValuesBetween(std::span<const std::uint16_t> table, double lowestOhms,
                                             double highestOhms)
{
    std::vector<SeriesValue> values;
    for (int exponent = kLowestSeriesExponent; exponent <= kHighestSeriesExponent; ++exponent)
    {
        for (std::uint16_t entry : table)
        {
            const SeriesValue value{entry, exponent};
            const double ohms = SeriesValueOhms(value);
            if (ohms >= lowestOhms && ohms <= highestOhms)
            {
                values.push_back(value);
            }
        }
    }
    return values;
}

std::optional<SeriesValue> SeriesValueAtOrAbove(std::span<const std::uint16_t> table, double ohms)
{
    for (int exponent = kLowestSeriesExponent; exponent <= kHighestSeriesExponent; ++exponent)
    {
        const auto found = std::find_if(table.begin(), table.end(),
                                        [&](std::uint16_t entry) {
                                            return SeriesValueOhms({entry, exponent}) >= ohms;
                                        });
        if (found != table.end())
        {
            return SeriesValue{*found, exponent};
        }
    }
    return std::nullopt;
}
