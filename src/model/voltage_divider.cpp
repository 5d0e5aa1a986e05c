// The best pairs of standard resistors for a voltage divider.
#include "model/voltage_divider.h"

#include "model/decimal_value.h"
#include "model/series_values.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

namespace
{
// A series value in ohms, and as a whole number of the smallest decade's unit: every candidate is
// then an exact integer, the totals are exact, and two pairs of the same ratio (1k and 2k2, 10k
// and 22k) get the same double and so the same error, for the tie rule to decide.
struct Candidate
{
    double ohms;
    double units;
};

struct RankedPair
{
    double error;
    double totalUnits;
    double r2Units;
    std::size_t r1;
    std::size_t r2;
};

bool IsBetter(const RankedPair& a, const RankedPair& b)
{
    if (a.error != b.error)
        return a.error < b.error;
    if (a.totalUnits != b.totalUnits)
        return a.totalUnits < b.totalUnits;
    return a.r2Units < b.r2Units;
}

class BestPairs
{
public:
    void Offer(const RankedPair& pair)
    {
        if (m_count < m_pairs.size())
        {
            m_pairs[m_count++] = pair;
        }
        else if (IsBetter(pair, m_pairs.back()))
        {
            m_pairs.back() = pair;
        }
        else
        {
            return;
        }
        for (std::size_t i = m_count - 1; i > 0 && IsBetter(m_pairs[i], m_pairs[i - 1]); --i)
        {
            std::swap(m_pairs[i], m_pairs[i - 1]);
        }
    }

    std::size_t Count() const { return m_count; }
    const RankedPair& operator[](std::size_t i) const { return m_pairs[i]; }

private:
    std::array<RankedPair, kDividerPairCount> m_pairs{};
    std::size_t m_count = 0;
};

std::vector<Candidate> Candidates(std::size_t series, double lowestOhms, double highestOhms)
{
    const std::vector<SeriesValue> values = SeriesValuesBetween(SeriesTable(series), lowestOhms, highestOhms);
    std::vector<Candidate> candidates;
    candidates.reserve(values.size());
    for (const SeriesValue& value : values)
    {
        const int unitExponent = value.exponent - values.front().exponent;
        candidates.push_back({SeriesValueOhms(value), DecimalToDouble({value.entry, unitExponent})});
    }
    return candidates;
}

class PairSearch
{
public:
    PairSearch(const std::vector<Candidate>& candidates, double ratio, double highestOhms)
        : m_candidates(candidates), m_ratio(ratio), m_highestOhms(highestOhms)
    {
    }

    BestPairs Run() const
    {
        BestPairs best;
        for (std::size_t r1 = 0; r1 < m_candidates.size(); ++r1)
        {
            // R2 runs over the candidates that keep the total in range, a prefix of the list.
            const std::size_t end =
                FirstIndex([&](std::size_t r2)
                           { return m_candidates[r1].ohms + m_candidates[r2].ohms > m_highestOhms; });
            if (end == 0)
                break;
            // The ratio grows with R2, so the error falls up to the first R2 that reaches the ratio
            // wanted and grows after it: the best pairs of this R1 are the nearest on each side.
            const std::size_t crossing =
                std::min(FirstIndex([&](std::size_t r2) { return Ratio(r1, r2) >= m_ratio; }), end);
            const auto split = static_cast<std::ptrdiff_t>(crossing);
            OfferSide(best, r1, split, +1, end);
            OfferSide(best, r1, split - 1, -1, end);
        }
        return best;
    }

    double Ratio(std::size_t r1, std::size_t r2) const
    {
        const double lower = m_candidates[r2].units;
        return lower / (m_candidates[r1].units + lower);
    }

private:
    template <typename Predicate> std::size_t FirstIndex(Predicate predicate) const
    {
        std::size_t low = 0;
        std::size_t high = m_candidates.size();
        while (low < high)
        {
            const std::size_t middle = low + (high - low) / 2;
            if (predicate(middle))
                high = middle;
            else
                low = middle + 1;
        }
        return low;
    }

    // R2 from `first` on by `step` while inside [0, end): past the pair count only while the
    // error ties, since a tie may still win on the total.
    void OfferSide(BestPairs& best, std::size_t r1, std::ptrdiff_t first, std::ptrdiff_t step,
                   std::size_t end) const
    {
        std::size_t taken = 0;
        double lastError = 0.0;
        for (std::ptrdiff_t index = first; index >= 0 && static_cast<std::size_t>(index) < end; index += step)
        {
            const auto r2 = static_cast<std::size_t>(index);
            const double error = std::fabs(Ratio(r1, r2) - m_ratio);
            if (taken >= kDividerPairCount && error != lastError)
                break;
            best.Offer(
                {error, m_candidates[r1].units + m_candidates[r2].units, m_candidates[r2].units, r1, r2});
            lastError = error;
            ++taken;
        }
    }

    const std::vector<Candidate>& m_candidates;
    double m_ratio;
    double m_highestOhms;
};

DividerResult Fault(DividerFault fault)
{
    DividerResult result;
    result.fault = fault;
    return result;
}
} // namespace

DividerResult FindDividerPairs(const DividerInput& input)
{
    if (!input.inputVolts)
        return Fault(DividerFault::InputNotANumber);
    if (!input.wanted)
        return Fault(DividerFault::WantedNotANumber);
    if (!input.lowestOhms || !input.highestOhms)
        return Fault(DividerFault::RangeNotANumber);
    const double volts = *input.inputVolts;
    const double ratio = input.wantedIsRatio ? *input.wanted : *input.wanted / volts;
    if (!(ratio > 0.0 && ratio < 1.0))
        return Fault(DividerFault::WantedOutOfRange);
    if (*input.lowestOhms > *input.highestOhms)
        return Fault(DividerFault::RangeEmpty);

    const std::vector<Candidate> candidates = Candidates(input.series, *input.lowestOhms, *input.highestOhms);
    const PairSearch search(candidates, ratio, *input.highestOhms);
    const BestPairs best = search.Run();
    if (best.Count() == 0)
        return Fault(DividerFault::NoPairInRange);

    DividerResult result;
    for (std::size_t i = 0; i < best.Count(); ++i)
    {
        const Candidate& r1 = candidates[best[i].r1];
        const Candidate& r2 = candidates[best[i].r2];
        const double pairRatio = search.Ratio(best[i].r1, best[i].r2);
        result.pairs.push_back({r1.ohms, r2.ohms, volts * pairRatio, (pairRatio - ratio) / ratio * 100.0,
                                volts / (r1.ohms + r2.ohms) * 1000.0});
    }
    return result;
}
