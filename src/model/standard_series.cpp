// Nearest standard values of a resistance, the lines of "Valeurs normalisées" and their marking.
#include "model/standard_series.h"

#include "model/decimal_format.h"
#include "model/decimal_value.h"
#include "model/resistance_range.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace
{
// Lower bounds 10^(e + 2) of the decades e = -1, -2, ... below 100 milliohms.
constexpr std::array<double, 22> kSmallDecadeBounds = {
    1e1,   1e0,   1e-1,  1e-2,  1e-3,  1e-4,  1e-5,  1e-6,  1e-7,  1e-8,  1e-9,
    1e-10, 1e-11, 1e-12, 1e-13, 1e-14, 1e-15, 1e-16, 1e-17, 1e-18, 1e-19, 1e-20,
};

// From 1 MOhm on, the search runs in ohms.
constexpr int kOhmSearchExponent = 7;

struct DisplayPrefix
{
    std::string_view text;
    double ohmsPerUnit;
};

DisplayPrefix PrefixForDecade(int e)
{
    if (e <= 3)
    {
        return {"", 1.0};
    }
    if (e <= 6)
    {
        return {"k", 1e3};
    }
    return {"M", 1e6};
}

constexpr std::size_t kNoSeries = kSeriesCount;

// Indexed by the tolerance combo: 10 %, 5 %, 1 %, 2 %, 0.50 %; finer tolerances mark none.
constexpr std::array<std::size_t, 8> kToleranceSeries = {
    kSeriesE12Index,  kSeriesE24Index, kSeriesE96Index, kSeriesE48Index,
    kSeriesE192Index, kNoSeries,       kNoSeries,       kNoSeries,
};
} // namespace

std::optional<int> DecadeExponent(double milliohms)
{
    const double value = ClampMilliohms(milliohms);
    if (value >= 100.0)
    {
        // Counted on the whole milliohms in single precision, so that a value just below a
        // decade that rounds up to it counts in the decade above, as its text would.
        const auto whole = static_cast<std::uint64_t>(static_cast<float>(std::trunc(value)));
        return DigitCount(whole) - 3;
    }
    for (std::size_t i = 0; i < kSmallDecadeBounds.size(); ++i)
    {
        if (value >= kSmallDecadeBounds[i])
        {
            return -1 - static_cast<int>(i);
        }
    }
    return std::nullopt;
}

double NearestStandardValue(double milliohms, std::span<const std::uint16_t> table, int e)
{
    if (table.empty())
    {
        return 0.0;
    }
    e = std::clamp(e, -kLargestExactPowerOfTen, kLargestExactPowerOfTen);
    const bool inOhms = e >= kOhmSearchExponent;
    const int searchExponent = inOhms ? e - 3 : e;
    const double value = inOhms ? milliohms * 0.001 : milliohms;

    // Below 100 milliohms the value is scaled up to the entries instead, so that the truncated
    // distances count steps of its own decade rather than whole milliohms.
    const double entryScale = searchExponent >= 0 ? ExactPowerOfTen(searchExponent) : 1.0;
    const double target = searchExponent >= 0 ? value : value * ExactPowerOfTen(-searchExponent);
    const auto distance = [&](std::uint16_t entry)
    { return std::trunc(std::fabs(entry * entryScale - target)); };

    std::uint16_t best = table.back();
    double bestDistance = distance(best);
    for (std::size_t i = table.size() - 1; i-- > 0;)
    {
        const double candidate = distance(table[i]);
        if (candidate < bestDistance)
        {
            best = table[i];
            bestDistance = candidate;
        }
    }
    return e >= 0 ? best * ExactPowerOfTen(e) : best / ExactPowerOfTen(-e);
}

StandardLines StandardSeriesLines(double milliohms)
{
    const double value = ClampMilliohms(milliohms);
    const std::optional<int> e = DecadeExponent(value);
    const DisplayPrefix prefix = PrefixForDecade(e.value_or(0));

    StandardLines result;
    for (std::size_t s = 0; s < kSeriesCount; ++s)
    {
        const StandardSeries& series = kStandardSeries[s];
        const double nearest = e ? NearestStandardValue(value, series.values, *e) : 0.0;
        result.ohms[s] = nearest / 1000.0;

        std::string& line = result.lines[s];
        line = series.name;
        line += " : ";
        line += FormatDecimal(static_cast<float>(result.ohms[s] / prefix.ohmsPerUnit), 3);
        line += ' ';
        line += prefix.text;
        line += "Ohm";
    }
    return result;
}

std::array<LineMark, kSeriesCount> ToleranceSeriesMarks(int toleranceIndex)
{
    std::array<LineMark, kSeriesCount> marks{};
    marks.fill(LineMark::Unmark);
    marks[kSeriesE3Index] = LineMark::Leave;
    marks[kSeriesE6Index] = LineMark::Leave;
    if (toleranceIndex >= 0 && static_cast<std::size_t>(toleranceIndex) < kToleranceSeries.size())
    {
        const std::size_t marked = kToleranceSeries[static_cast<std::size_t>(toleranceIndex)];
        if (marked != kNoSeries)
        {
            marks[marked] = LineMark::Mark;
        }
    }
    return marks;
}
