// What every stage of a combination search works with, and the look-up they all share.
#pragma once

#include "model/combination_board.h"
#include "model/combination_pairs.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <span>

struct CombinationContext
{
    // Ascending, and their conductances in the same order.
    std::span<const double> values;
    std::span<const double> conductances;
    const CombinationPairs& sums;
    const CombinationPairs& parallels;
    CombinationBoard& board;
    // Entries looked at, the measure of a search's slices.
    std::size_t work = 0;

    std::size_t Count() const { return values.size(); }
    // The first value not below `ohms`: the list is small enough to stay in the cache.
    std::size_t ValuesLowerBound(double ohms) const
    {
        return static_cast<std::size_t>(std::lower_bound(values.begin(), values.end(), ohms) -
                                        values.begin());
    }
    double Lowest() const { return values.front(); }
    double Highest() const { return values.back(); }
    double Low() const { return board.TargetOhms() - board.Reach(); }
    double High() const { return board.TargetOhms() + board.Reach(); }
    // Past the board for good once the smallest value a choice gives is too large.
    bool Beyond(double lowest) const { return lowest > High(); }
};

// Two resistances in parallel.
inline double Parallel(double a, double b)
{
    return 1.0 / (1.0 / a + 1.0 / b);
}

// The resistance that in parallel with `part` gives `total`: infinite when none is large
// enough, 0 when the total is not positive.
inline double ParallelComplement(double total, double part)
{
    if (!(total > 0.0))
    {
        return 0.0;
    }
    const double conductance = 1.0 / total - 1.0 / part;
    return conductance > 0.0 ? 1.0 / conductance : std::numeric_limits<double>::infinity();
}

// The resistance of a conductance, infinite for none.
inline double ResistanceFor(double conductance)
{
    return conductance > 0.0 ? 1.0 / conductance : std::numeric_limits<double>::infinity();
}

// The conductance that beside a part of conductance `partConductance` gives `total` ohms in
// parallel: 0 when the part alone is already below the total (the largest resistance comes
// closest), infinite when the total is not positive (the smallest does).
inline double ConductanceFor(double total, double partConductance = 0.0)
{
    if (!(total > 0.0))
    {
        return std::numeric_limits<double>::infinity();
    }
    return std::max(1.0 / total - partConductance, 0.0);
}

// Entries first to last of a sorted list, outwards from `landing` (where the entry that would
// meet the target exactly would stand): every entry whose network comes within the board's
// reach is taken, and each way the walk stops once the network's value leaves it. `ohmsAt(k)`
// is the network's value with entry k, rising with k, or falling when the list is sorted by
// conductance.
template <typename OhmsAt, typename Take>
void Probe(CombinationContext& context, std::size_t first, std::size_t last, std::size_t landing,
           bool falling, OhmsAt ohmsAt, Take take)
{
    landing = std::clamp(landing, first, last);
    std::size_t walked = 0;
    for (std::size_t k = landing; k < last; ++k, ++walked)
    {
        const double ohms = ohmsAt(k);
        if (falling ? ohms < context.Low() : ohms > context.High())
        {
            break;
        }
        if (falling ? ohms <= context.High() : ohms >= context.Low())
        {
            take(k);
        }
    }
    for (std::size_t k = landing; k-- > first; ++walked)
    {
        const double ohms = ohmsAt(k);
        if (falling ? ohms > context.High() : ohms < context.Low())
        {
            break;
        }
        if (falling ? ohms >= context.Low() : ohms <= context.High())
        {
            take(k);
        }
    }
    context.work += 1 + walked;
}
