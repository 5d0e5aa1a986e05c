// Stages of four resistors: two values chosen in turn and a pair looked up among the sorted
// pairs, or a pair taken in turn and the other pair looked up. Where slots share a role, the
// chosen ones are the largest of a sum or the smallest of a parallel group, which keeps the
// choices to a narrow band, and the pair looked up must fit below or above them.
#include "model/combination_stages.h"

#include <array>

namespace
{
// a + b + c + d, a >= b >= c >= d: a and b chosen, (c, d) looked up among the sums.
bool Series4Step(CombinationContext& c, std::size_t a)
{
    const auto v = c.values;
    const CombinationPairs& sums = c.sums;
    if (c.Beyond(v[a] + 3.0 * c.Lowest()))
    {
        return false;
    }
    if (4.0 * v[a] >= c.Low())
    {
        ForEachInner(
            c, 0, a + 1,
            [&](std::size_t b) {
                return OhmsBounds{v[a] + v[b] + 2.0 * c.Lowest(), v[a] + 3.0 * v[b]};
            },
            [&](std::size_t b)
            {
                Probe(
                    c, 0, sums.Size(), sums.LowerBound(c.board.TargetOhms() - v[a] - v[b]), false,
                    [&](std::size_t k) { return v[a] + v[b] + sums.Key(k); },
                    [&](std::size_t k)
                    {
                        if (sums.Larger(k) <= b)
                        {
                            c.board.Offer(Arrangement::Series4,
                                          MakeSlots(a, b, sums.Larger(k), sums.Smaller(k)));
                        }
                    });
            });
    }
    return true;
}

// a // b // c // d, a >= b >= c >= d: d and c chosen, (a, b) looked up among the parallels.
bool Parallel4Step(CombinationContext& c, std::size_t d)
{
    const auto g = c.conductances;
    const CombinationPairs& parallels = c.parallels;
    const double least = g.back();
    if (c.Beyond(1.0 / (4.0 * g[d])))
    {
        return false;
    }
    if (1.0 / (g[d] + 3.0 * least) >= c.Low())
    {
        ForEachInner(
            c, d, c.Count(),
            [&](std::size_t k) {
                return OhmsBounds{1.0 / (g[d] + 3.0 * g[k]), 1.0 / (g[d] + g[k] + 2.0 * least)};
            },
            [&](std::size_t third)
            {
                Probe(
                    c, 0, parallels.Size(),
                    parallels.LowerBound(1.0 / c.board.TargetOhms() - g[d] - g[third]), true,
                    [&](std::size_t k) { return 1.0 / (g[d] + g[third] + parallels.Key(k)); },
                    [&](std::size_t k)
                    {
                        if (parallels.Smaller(k) >= third)
                        {
                            c.board.Offer(Arrangement::Parallel4,
                                          MakeSlots(parallels.Larger(k), parallels.Smaller(k), third, d));
                        }
                    });
            });
    }
    return true;
}

// (a // b // c) + d, a >= b >= c: d and c chosen, (a, b) looked up among the parallels.
bool ParallelThreePlusOne4Step(CombinationContext& c, std::size_t d)
{
    const auto v = c.values;
    const auto g = c.conductances;
    const CombinationPairs& parallels = c.parallels;
    if (c.Beyond(v[d] + c.Lowest() / 3.0))
    {
        return false;
    }
    if (v[d] + c.Highest() / 3.0 >= c.Low())
    {
        const double rest = c.board.TargetOhms() - v[d];
        ForEachInner(
            c, 0, c.Count(),
            [&](std::size_t k) {
                return OhmsBounds{v[d] + v[k] / 3.0, v[d] + 1.0 / (g[k] + 2.0 * g.back())};
            },
            [&](std::size_t third)
            {
                Probe(
                    c, 0, parallels.Size(), parallels.LowerBound(ConductanceFor(rest, g[third])), true,
                    [&](std::size_t k) { return v[d] + 1.0 / (g[third] + parallels.Key(k)); },
                    [&](std::size_t k)
                    {
                        if (parallels.Smaller(k) >= third)
                        {
                            c.board.Offer(Arrangement::ParallelThreePlusOne4,
                                          MakeSlots(parallels.Larger(k), parallels.Smaller(k), third, d));
                        }
                    });
            });
    }
    return true;
}

// (a + b + c) // d, a >= b >= c: d and a chosen, (b, c) looked up among the sums.
bool SeriesThreeByOne4Step(CombinationContext& c, std::size_t d)
{
    const auto v = c.values;
    const auto g = c.conductances;
    const CombinationPairs& sums = c.sums;
    if (c.Beyond(Parallel(3.0 * c.Lowest(), v[d])))
    {
        return false;
    }
    if (Parallel(3.0 * c.Highest(), v[d]) >= c.Low())
    {
        const double triple = ParallelComplement(c.board.TargetOhms(), v[d]);
        ForEachInner(
            c, 0, c.Count(),
            [&](std::size_t a) {
                return OhmsBounds{Parallel(v[a] + 2.0 * c.Lowest(), v[d]), Parallel(3.0 * v[a], v[d])};
            },
            [&](std::size_t a)
            {
                Probe(
                    c, 0, sums.Size(), sums.LowerBound(triple - v[a]), false,
                    [&](std::size_t k) { return 1.0 / (g[d] + 1.0 / (v[a] + sums.Key(k))); },
                    [&](std::size_t k)
                    {
                        if (sums.Larger(k) <= a)
                        {
                            c.board.Offer(Arrangement::SeriesThreeByOne4,
                                          MakeSlots(a, sums.Larger(k), sums.Smaller(k), d));
                        }
                    });
            });
    }
    return true;
}

// (a // b) + c + d: (c, d) taken from the sums in turn, (a, b) looked up among the parallels.
bool ParallelPlusTwo4Step(CombinationContext& c, std::size_t p)
{
    const CombinationPairs& sums = c.sums;
    const CombinationPairs& parallels = c.parallels;
    const double pair = sums.Key(p);
    if (c.Beyond(pair + c.Lowest() / 2.0))
    {
        return false;
    }
    if (pair + c.Highest() / 2.0 >= c.Low())
    {
        Probe(
            c, 0, parallels.Size(), parallels.LowerBound(ConductanceFor(c.board.TargetOhms() - pair)), true,
            [&](std::size_t k) { return pair + 1.0 / parallels.Key(k); },
            [&](std::size_t k)
            {
                c.board.Offer(
                    Arrangement::ParallelPlusTwo4,
                    MakeSlots(parallels.Larger(k), parallels.Smaller(k), sums.Larger(p), sums.Smaller(p)));
            });
    }
    return true;
}

// (a + b) // c // d: (c, d) taken from the parallels in turn, smallest resistance first, and
// (a, b) looked up among the sums.
bool SeriesByTwo4Step(CombinationContext& c, std::size_t i)
{
    const CombinationPairs& sums = c.sums;
    const CombinationPairs& parallels = c.parallels;
    const std::size_t p = parallels.Size() - 1 - i;
    const double pair = parallels.Key(p);
    if (c.Beyond(1.0 / (pair + 0.5 / c.Lowest())))
    {
        return false;
    }
    if (1.0 / (pair + 0.5 / c.Highest()) >= c.Low())
    {
        Probe(
            c, 0, sums.Size(), sums.LowerBound(ResistanceFor(1.0 / c.board.TargetOhms() - pair)), false,
            [&](std::size_t k) { return 1.0 / (pair + 1.0 / sums.Key(k)); },
            [&](std::size_t k)
            {
                c.board.Offer(
                    Arrangement::SeriesByTwo4,
                    MakeSlots(sums.Larger(k), sums.Smaller(k), parallels.Larger(p), parallels.Smaller(p)));
            });
    }
    return true;
}

// (a // b) + (c // d): one pair taken from the parallels in turn, smallest resistance first,
// the other looked up among those of no larger resistance.
bool ParallelPairsInSeries4Step(CombinationContext& c, std::size_t i)
{
    const CombinationPairs& parallels = c.parallels;
    const std::size_t last = parallels.Size();
    const std::size_t p = last - 1 - i;
    const double pair = 1.0 / parallels.Key(p);
    if (c.Beyond(pair + 1.0 / parallels.Key(last - 1)))
    {
        return false;
    }
    if (2.0 * pair >= c.Low())
    {
        Probe(
            c, p, last, parallels.LowerBound(ConductanceFor(c.board.TargetOhms() - pair)), true,
            [&](std::size_t k) { return pair + 1.0 / parallels.Key(k); },
            [&](std::size_t k)
            {
                c.board.Offer(Arrangement::ParallelPairsInSeries4,
                              MakeSlots(parallels.Larger(p), parallels.Smaller(p), parallels.Larger(k),
                                        parallels.Smaller(k)));
            });
    }
    return true;
}

// (a + b) // (c + d): one pair taken from the sums in turn, the other looked up among those of
// no smaller sum.
bool SeriesPairsInParallel4Step(CombinationContext& c, std::size_t p)
{
    const CombinationPairs& sums = c.sums;
    const std::size_t last = sums.Size();
    const double pair = sums.Key(p);
    if (c.Beyond(pair / 2.0))
    {
        return false;
    }
    if (Parallel(pair, sums.Key(last - 1)) >= c.Low())
    {
        Probe(
            c, p, last, sums.LowerBound(ParallelComplement(c.board.TargetOhms(), pair)), false,
            [&](std::size_t k) { return 1.0 / (1.0 / pair + 1.0 / sums.Key(k)); },
            [&](std::size_t k)
            {
                c.board.Offer(Arrangement::SeriesPairsInParallel4,
                              MakeSlots(sums.Larger(p), sums.Smaller(p), sums.Larger(k), sums.Smaller(k)));
            });
    }
    return true;
}

// ((a + b) // c) + d: d and c chosen, (a, b) looked up among the sums.
bool NestedSeriesFirst4Step(CombinationContext& c, std::size_t d)
{
    const auto v = c.values;
    const auto g = c.conductances;
    const CombinationPairs& sums = c.sums;
    if (c.Beyond(v[d] + Parallel(2.0 * c.Lowest(), c.Lowest())))
    {
        return false;
    }
    if (v[d] + Parallel(2.0 * c.Highest(), c.Highest()) >= c.Low())
    {
        const double rest = c.board.TargetOhms() - v[d];
        ForEachInner(
            c, 0, c.Count(),
            [&](std::size_t k) {
                return OhmsBounds{v[d] + Parallel(2.0 * c.Lowest(), v[k]),
                                  v[d] + Parallel(2.0 * c.Highest(), v[k])};
            },
            [&](std::size_t third)
            {
                Probe(
                    c, 0, sums.Size(), sums.LowerBound(ParallelComplement(rest, v[third])), false,
                    [&](std::size_t k) { return v[d] + 1.0 / (g[third] + 1.0 / sums.Key(k)); },
                    [&](std::size_t k) {
                        c.board.Offer(Arrangement::NestedSeriesFirst4,
                                      MakeSlots(sums.Larger(k), sums.Smaller(k), third, d));
                    });
            });
    }
    return true;
}

// ((a // b) + c) // d: c and d chosen, (a, b) looked up among the parallels. Chosen in this
// order, the branch that d leaves to the others changes little from one d to the next, and
// so does the pair looked up.
bool NestedParallelFirst4Step(CombinationContext& c, std::size_t third)
{
    const auto v = c.values;
    const auto g = c.conductances;
    const CombinationPairs& parallels = c.parallels;
    if (c.Beyond(Parallel(v[third] + c.Lowest() / 2.0, c.Lowest())))
    {
        return false;
    }
    if (Parallel(v[third] + c.Highest() / 2.0, c.Highest()) >= c.Low())
    {
        ForEachInner(
            c, 0, c.Count(),
            [&](std::size_t k)
            {
                return OhmsBounds{Parallel(v[third] + c.Lowest() / 2.0, v[k]),
                                  Parallel(v[third] + c.Highest() / 2.0, v[k])};
            },
            [&](std::size_t d)
            {
                Probe(
                    c, 0, parallels.Size(),
                    parallels.LowerBound(
                        ConductanceFor(ParallelComplement(c.board.TargetOhms(), v[d]) - v[third])),
                    true,
                    [&](std::size_t k) { return 1.0 / (g[d] + 1.0 / (v[third] + 1.0 / parallels.Key(k))); },
                    [&](std::size_t k)
                    {
                        c.board.Offer(Arrangement::NestedParallelFirst4,
                                      MakeSlots(parallels.Larger(k), parallels.Smaller(k), third, d));
                    });
            });
    }
    return true;
}

// The narrow stages first: the board's reach is smallest when the broad ones run.
constexpr std::array<CombinationStage, 10> kFourResistors = {{
    {Arrangement::Series4, StageLoop::Values, Series4Step},
    {Arrangement::Parallel4, StageLoop::Values, Parallel4Step},
    {Arrangement::ParallelThreePlusOne4, StageLoop::Values, ParallelThreePlusOne4Step},
    {Arrangement::SeriesThreeByOne4, StageLoop::Values, SeriesThreeByOne4Step},
    {Arrangement::ParallelPlusTwo4, StageLoop::Sums, ParallelPlusTwo4Step},
    {Arrangement::SeriesByTwo4, StageLoop::Parallels, SeriesByTwo4Step},
    {Arrangement::ParallelPairsInSeries4, StageLoop::Parallels, ParallelPairsInSeries4Step},
    {Arrangement::SeriesPairsInParallel4, StageLoop::Sums, SeriesPairsInParallel4Step},
    {Arrangement::NestedSeriesFirst4, StageLoop::Values, NestedSeriesFirst4Step},
    {Arrangement::NestedParallelFirst4, StageLoop::Values, NestedParallelFirst4Step},
}};
} // namespace

std::span<const CombinationStage> FourResistorStages()
{
    return kFourResistors;
}
