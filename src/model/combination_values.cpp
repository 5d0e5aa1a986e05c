// The values a combination search may use: a standard series over a range, or a stock list.
#include "model/combination_values.h"

#include "model/series_tables.h"

#include <algorithm>
#include <cmath>

namespace
{
// Decades 10^-3 to 10^11 ohms hold every value of the range.
constexpr int kLowestDecade = -3;
constexpr int kHighestDecade = 11;

// A bound typed as "10 M" or computed as 4,7 x 1000 still takes in the value it names.
constexpr double kBoundTolerance = 1e-9;

double PowerOfTen(int exponent)
{
    double power = 1.0;
    for (int i = 0; i < std::abs(exponent); ++i)
    {
        power *= 10.0;
    }
    return power;
}

int DecadeOf(double ohms)
{
    return static_cast<int>(std::floor(std::log10(ohms)));
}
} // namespace

bool IsCombinationOhms(double ohms)
{
    return ohms >= kSmallestCombinationOhms && ohms <= kLargestCombinationOhms;
}

std::vector<double> SeriesValuesInRange(std::size_t seriesIndex, double lowestOhms, double highestOhms)
{
    std::vector<double> values;
    if (seriesIndex >= kSeriesCount || !(lowestOhms > 0.0) || !(highestOhms >= lowestOhms) ||
        !std::isfinite(highestOhms))
    {
        return values;
    }
    const double lowest = lowestOhms * (1.0 - kBoundTolerance);
    const double highest = highestOhms * (1.0 + kBoundTolerance);
    const int firstDecade = std::max(DecadeOf(lowest), kLowestDecade);
    const int lastDecade = std::min(DecadeOf(highest), kHighestDecade);
    for (int decade = firstDecade; decade <= lastDecade; ++decade)
    {
        // Entries stand for hundredths of the decade: a division by an exact power of ten
        // gives the nearest double, as reading the decimal text would.
        const int exponent = decade - 2;
        const double scale = PowerOfTen(exponent);
        for (const std::uint16_t entry : kStandardSeries[seriesIndex].values)
        {
            const double ohms = exponent >= 0 ? entry * scale : entry / scale;
            if (ohms >= lowest && ohms <= highest)
            {
                values.push_back(ohms);
            }
        }
    }
    return values;
}

std::vector<double> SortedDistinctValues(std::span<const double> ohms)
{
    std::vector<double> values(ohms.begin(), ohms.end());
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}
