// The series-parallel arrangements of one to four resistors: their shapes, values and texts.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

constexpr int kMaxCombinationResistors = 4;

// Ordered by resistor count: the order in which equally good results are listed. Letters stand
// for the slots in their text order.
enum class Arrangement : std::uint8_t
{
    Single,                 // a
    Series2,                // a + b
    Parallel2,              // a // b
    Series3,                // a + b + c
    Parallel3,              // a // b // c
    SeriesInParallel3,      // (a + b) // c
    ParallelInSeries3,      // (a // b) + c
    Series4,                // a + b + c + d
    Parallel4,              // a // b // c // d
    ParallelPlusTwo4,       // (a // b) + c + d
    SeriesByTwo4,           // (a + b) // c // d
    ParallelThreePlusOne4,  // (a // b // c) + d
    SeriesThreeByOne4,      // (a + b + c) // d
    ParallelPairsInSeries4, // (a // b) + (c // d)
    SeriesPairsInParallel4, // (a + b) // (c + d)
    NestedSeriesFirst4,     // ((a + b) // c) + d
    NestedParallelFirst4,   // ((a // b) + c) // d
};
constexpr std::size_t kArrangementCount = 17;

enum class NodeKind : std::uint8_t
{
    Resistor,
    Series,
    Parallel,
};

// One node of an arrangement's tree in prefix order: a resistor names its slot, a group
// counts its parts, which follow it.
struct ArrangementNode
{
    NodeKind kind;
    std::uint8_t count;
};

std::span<const ArrangementNode> ArrangementShape(Arrangement arrangement);
int ArrangementResistorCount(Arrangement arrangement);

// Slots of the same role ordered as the texts show them, largest first; of the two pairs of
// (a // b) + (c // d) and (a + b) // (c + d), the one with the larger values comes first.
// Indices into an ascending list of values: the same network always gives the same slots.
using CombinationSlots = std::array<std::uint16_t, kMaxCombinationResistors>;
CombinationSlots CanonicalSlots(Arrangement arrangement, CombinationSlots slots);

// Resistance of the network with the slots' values in ohms, always reckoned in the same order,
// so that a network has one value whichever search found it.
double ArrangementOhms(Arrangement arrangement, std::span<const double> slotOhms);

// "(4,7 k + 1 k) // 10 k": every inner group in brackets.
std::string ArrangementText(Arrangement arrangement, std::span<const double> slotOhms);

// A resistance as the arrangement texts write it: "470", "4,7 k", "1 M", six significant figures.
std::string CombinationOhmsText(double ohms);
