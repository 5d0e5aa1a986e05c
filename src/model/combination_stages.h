// The stages of a combination search: one per arrangement, each a loop of outer iterations
// that a search runs a slice at a time.
#pragma once

#include "model/combination_context.h"

#include <cstddef>
#include <span>

// Iteration i of a stage; false once no later iteration can bring a network onto the board.
using CombinationStep = bool (*)(CombinationContext& context, std::size_t i);

// What a stage's iterations run over.
enum class StageLoop
{
    Once,
    Values,
    Sums,
    Parallels,
};

struct CombinationStage
{
    Arrangement arrangement;
    StageLoop loop;
    CombinationStep step;
};

// The stages of the arrangements of exactly `resistors` resistors: 1 to 3, then 4.
std::span<const CombinationStage> FewResistorStages(int resistors);
std::span<const CombinationStage> FourResistorStages();

inline CombinationSlots MakeSlots(std::size_t a, std::size_t b = 0, std::size_t c = 0, std::size_t d = 0)
{
    return {static_cast<std::uint16_t>(a), static_cast<std::uint16_t>(b), static_cast<std::uint16_t>(c),
            static_cast<std::uint16_t>(d)};
}

// Smallest and largest value the networks of one choice can give.
struct OhmsBounds
{
    double lowest;
    double highest;
};

// The inner loop of a stage, over the second value chosen, whose bounds grow with it: those
// whose networks all fall short are skipped, and the loop stops at the first whose networks
// all overshoot.
template <typename Bounds, typename Look>
void ForEachInner(CombinationContext& context, std::size_t first, std::size_t last, Bounds bounds, Look look)
{
    std::size_t start = first;
    for (std::size_t end = last; start < end;)
    {
        const std::size_t middle = start + (end - start) / 2;
        if (bounds(middle).highest < context.Low())
        {
            start = middle + 1;
        }
        else
        {
            end = middle;
        }
    }
    for (std::size_t x = start; x < last; ++x)
    {
        const OhmsBounds b = bounds(x);
        if (context.Beyond(b.lowest))
        {
            break;
        }
        if (b.highest >= context.Low())
        {
            look(x);
        }
    }
}
