// Stages of one to three resistors: the first values chosen in turn, the last one looked up
// among the values. Slots of the same role are chosen largest first, so that each network
// comes up once and the choices stay few: in a sum the largest part is at least a third of it.
#include "model/combination_stages.h"

#include <array>

namespace
{
bool SingleStep(CombinationContext& c, std::size_t)
{
    const auto v = c.values;
    Probe(
        c, 0, c.Count(), c.ValuesLowerBound(c.board.TargetOhms()), false, [&](std::size_t k) { return v[k]; },
        [&](std::size_t k) { c.board.Offer(Arrangement::Single, MakeSlots(k)); });
    return false;
}

// a + b, a >= b: a chosen, b looked up.
bool Series2Step(CombinationContext& c, std::size_t a)
{
    const auto v = c.values;
    if (c.Beyond(v[a] + c.Lowest()))
    {
        return false;
    }
    if (2.0 * v[a] >= c.Low())
    {
        Probe(
            c, 0, a + 1, c.ValuesLowerBound(c.board.TargetOhms() - v[a]), false,
            [&](std::size_t k) { return v[a] + v[k]; },
            [&](std::size_t k) { c.board.Offer(Arrangement::Series2, MakeSlots(a, k)); });
    }
    return true;
}

// a // b, a >= b: b chosen, a looked up.
bool Parallel2Step(CombinationContext& c, std::size_t b)
{
    const auto v = c.values;
    const auto g = c.conductances;
    if (c.Beyond(v[b] / 2.0))
    {
        return false;
    }
    if (Parallel(v[b], c.Highest()) >= c.Low())
    {
        Probe(
            c, b, c.Count(), c.ValuesLowerBound(ParallelComplement(c.board.TargetOhms(), v[b])), false,
            [&](std::size_t k) { return 1.0 / (g[b] + g[k]); },
            [&](std::size_t k) { c.board.Offer(Arrangement::Parallel2, MakeSlots(k, b)); });
    }
    return true;
}

// a + b + c, a >= b >= c: a and b chosen, c looked up.
bool Series3Step(CombinationContext& c, std::size_t a)
{
    const auto v = c.values;
    if (c.Beyond(v[a] + 2.0 * c.Lowest()))
    {
        return false;
    }
    if (3.0 * v[a] >= c.Low())
    {
        ForEachInner(
            c, 0, a + 1,
            [&](std::size_t b) {
                return OhmsBounds{v[a] + v[b] + c.Lowest(), v[a] + 2.0 * v[b]};
            },
            [&](std::size_t b)
            {
                Probe(
                    c, 0, b + 1, c.ValuesLowerBound(c.board.TargetOhms() - v[a] - v[b]), false,
                    [&](std::size_t k) { return v[a] + v[b] + v[k]; },
                    [&](std::size_t k) { c.board.Offer(Arrangement::Series3, MakeSlots(a, b, k)); });
            });
    }
    return true;
}

// a // b // c, a >= b >= c: c and b chosen, a looked up.
bool Parallel3Step(CombinationContext& c, std::size_t smallest)
{
    const auto v = c.values;
    const auto g = c.conductances;
    const double least = g.back();
    if (c.Beyond(1.0 / (3.0 * g[smallest])))
    {
        return false;
    }
    if (1.0 / (g[smallest] + 2.0 * least) >= c.Low())
    {
        ForEachInner(
            c, smallest, c.Count(),
            [&](std::size_t b) {
                return OhmsBounds{1.0 / (g[smallest] + 2.0 * g[b]), 1.0 / (g[smallest] + g[b] + least)};
            },
            [&](std::size_t b)
            {
                Probe(
                    c, b, c.Count(),
                    c.ValuesLowerBound(ResistanceFor(1.0 / c.board.TargetOhms() - g[smallest] - g[b])), false,
                    [&](std::size_t k) { return 1.0 / (g[smallest] + g[b] + g[k]); },
                    [&](std::size_t k) { c.board.Offer(Arrangement::Parallel3, MakeSlots(k, b, smallest)); });
            });
    }
    return true;
}

// (a + b) // c, a >= b: c and a chosen, b looked up.
bool SeriesInParallel3Step(CombinationContext& c, std::size_t third)
{
    const auto v = c.values;
    const auto g = c.conductances;
    if (c.Beyond(Parallel(2.0 * c.Lowest(), v[third])))
    {
        return false;
    }
    if (Parallel(2.0 * c.Highest(), v[third]) >= c.Low())
    {
        const double pair = ParallelComplement(c.board.TargetOhms(), v[third]);
        ForEachInner(
            c, 0, c.Count(),
            [&](std::size_t a) {
                return OhmsBounds{Parallel(v[a] + c.Lowest(), v[third]), Parallel(2.0 * v[a], v[third])};
            },
            [&](std::size_t a)
            {
                Probe(
                    c, 0, a + 1, c.ValuesLowerBound(pair - v[a]), false,
                    [&](std::size_t k) { return 1.0 / (g[third] + 1.0 / (v[a] + v[k])); },
                    [&](std::size_t k)
                    { c.board.Offer(Arrangement::SeriesInParallel3, MakeSlots(a, k, third)); });
            });
    }
    return true;
}

// (a // b) + c, a >= b: c and b chosen, a looked up.
bool ParallelInSeries3Step(CombinationContext& c, std::size_t third)
{
    const auto v = c.values;
    const auto g = c.conductances;
    if (c.Beyond(v[third] + c.Lowest() / 2.0))
    {
        return false;
    }
    if (v[third] + c.Highest() / 2.0 >= c.Low())
    {
        const double rest = c.board.TargetOhms() - v[third];
        ForEachInner(
            c, 0, c.Count(),
            [&](std::size_t b) {
                return OhmsBounds{v[third] + v[b] / 2.0, v[third] + Parallel(v[b], c.Highest())};
            },
            [&](std::size_t b)
            {
                Probe(
                    c, b, c.Count(), c.ValuesLowerBound(ParallelComplement(rest, v[b])), false,
                    [&](std::size_t k) { return v[third] + 1.0 / (g[b] + g[k]); },
                    [&](std::size_t k)
                    { c.board.Offer(Arrangement::ParallelInSeries3, MakeSlots(k, b, third)); });
            });
    }
    return true;
}

constexpr std::array<CombinationStage, 1> kOneResistor = {{
    {Arrangement::Single, StageLoop::Once, SingleStep},
}};
constexpr std::array<CombinationStage, 2> kTwoResistors = {{
    {Arrangement::Series2, StageLoop::Values, Series2Step},
    {Arrangement::Parallel2, StageLoop::Values, Parallel2Step},
}};
constexpr std::array<CombinationStage, 4> kThreeResistors = {{
    {Arrangement::Series3, StageLoop::Values, Series3Step},
    {Arrangement::Parallel3, StageLoop::Values, Parallel3Step},
    {Arrangement::SeriesInParallel3, StageLoop::Values, SeriesInParallel3Step},
    {Arrangement::ParallelInSeries3, StageLoop::Values, ParallelInSeries3Step},
}};
} // namespace

std::span<const CombinationStage> FewResistorStages(int resistors)
{
    switch (resistors)
    {
    case 1:
        return kOneResistor;
    case 2:
        return kTwoResistors;
    case 3:
        return kThreeResistors;
    default:
        return {};
    }
}
