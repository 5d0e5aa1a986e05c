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
    // Where the last look-up landed: the next one of a stage usually lands close by.
    std::size_t hint = 0;
    // Entries looked at, the measure of a search's slices.
    std::size_t work = 0;

    std::size_t Count() const { return values.size(); }
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

// Entries first to last of an ascending list of keys, around the one that matches `needed`:
// every entry whose network comes within the board's reach is taken, walking outwards until
// the network's value leaves it. `ohmsAt(k)` is the network's value with entry k, rising with
// the key, or falling when the keys are conductances.
template <typename KeyAt, typename OhmsAt, typename Take>
void Probe(CombinationContext& context, std::size_t first, std::size_t last, double needed, bool falling,
           KeyAt keyAt, OhmsAt ohmsAt, Take take)
{
    if (first >= last)
    {
        return;
    }
    const auto below = [&](std::size_t k) { return keyAt(k) < needed; };
    // Galloping from the last landing, then halving the bracket found.
    const std::size_t from = std::clamp(context.hint, first, last);
    std::size_t lo = first;
    std::size_t hi = last;
    if (from < last && below(from))
    {
        lo = from + 1;
        for (std::size_t step = 1; from + step < last; step *= 2)
        {
            if (!below(from + step))
            {
                hi = from + step;
                break;
            }
            lo = from + step + 1;
        }
    }
    else
    {
        hi = from;
        for (std::size_t step = 1; from - first >= step; step *= 2)
        {
            if (below(from - step))
            {
                lo = from - step + 1;
                break;
            }
            hi = from - step;
        }
    }
    while (lo < hi)
    {
        const std::size_t middle = lo + (hi - lo) / 2;
        if (below(middle))
        {
            lo = middle + 1;
        }
        else
        {
            hi = middle;
        }
    }
    const std::size_t landing = lo;
    context.hint = landing;

    // Upwards the value moves away from the target on one side, downwards on the other.
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
