// The series-parallel arrangements of one to four resistors: their shapes, values and texts.
#include "model/combination_arrangement.h"

#include "model/decimal_format.h"

#include <algorithm>
#include <utility>

namespace
{
constexpr ArrangementNode R(std::uint8_t slot)
{
    return {NodeKind::Resistor, slot};
}
constexpr ArrangementNode S(std::uint8_t parts)
{
    return {NodeKind::Series, parts};
}
constexpr ArrangementNode P(std::uint8_t parts)
{
    return {NodeKind::Parallel, parts};
}

// Runs of slots that play the same role, and whether the two pairs may swap.
struct SlotRun
{
    std::uint8_t first;
    std::uint8_t count;
};

struct ArrangementInfo
{
    std::array<ArrangementNode, 7> nodes;
    std::uint8_t nodeCount;
    std::uint8_t resistors;
    std::array<SlotRun, 2> runs;
    bool pairsSwap;
};

constexpr SlotRun kNoRun = {0, 0};

// In the order of Arrangement.
constexpr std::array<ArrangementInfo, kArrangementCount> kArrangements = {{
    {{R(0)}, 1, 1, {kNoRun, kNoRun}, false},
    {{S(2), R(0), R(1)}, 3, 2, {{{0, 2}, kNoRun}}, false},
    {{P(2), R(0), R(1)}, 3, 2, {{{0, 2}, kNoRun}}, false},
    {{S(3), R(0), R(1), R(2)}, 4, 3, {{{0, 3}, kNoRun}}, false},
    {{P(3), R(0), R(1), R(2)}, 4, 3, {{{0, 3}, kNoRun}}, false},
    {{P(2), S(2), R(0), R(1), R(2)}, 5, 3, {{{0, 2}, kNoRun}}, false},
    {{S(2), P(2), R(0), R(1), R(2)}, 5, 3, {{{0, 2}, kNoRun}}, false},
    {{S(4), R(0), R(1), R(2), R(3)}, 5, 4, {{{0, 4}, kNoRun}}, false},
    {{P(4), R(0), R(1), R(2), R(3)}, 5, 4, {{{0, 4}, kNoRun}}, false},
    {{S(3), P(2), R(0), R(1), R(2), R(3)}, 6, 4, {{{0, 2}, {2, 2}}}, false},
    {{P(3), S(2), R(0), R(1), R(2), R(3)}, 6, 4, {{{0, 2}, {2, 2}}}, false},
    {{S(2), P(3), R(0), R(1), R(2), R(3)}, 6, 4, {{{0, 3}, kNoRun}}, false},
    {{P(2), S(3), R(0), R(1), R(2), R(3)}, 6, 4, {{{0, 3}, kNoRun}}, false},
    {{S(2), P(2), R(0), R(1), P(2), R(2), R(3)}, 7, 4, {{{0, 2}, {2, 2}}}, true},
    {{P(2), S(2), R(0), R(1), S(2), R(2), R(3)}, 7, 4, {{{0, 2}, {2, 2}}}, true},
    {{S(2), P(2), S(2), R(0), R(1), R(2), R(3)}, 7, 4, {{{0, 2}, kNoRun}}, false},
    {{P(2), S(2), P(2), R(0), R(1), R(2), R(3)}, 7, 4, {{{0, 2}, kNoRun}}, false},
}};

const ArrangementInfo& Info(Arrangement arrangement)
{
    return kArrangements[static_cast<std::size_t>(arrangement)];
}

// Walks one node and its parts from `position`, leaving it just after them.
double NodeOhms(std::span<const ArrangementNode> nodes, std::size_t& position,
                std::span<const double> slotOhms)
{
    const ArrangementNode node = nodes[position++];
    if (node.kind == NodeKind::Resistor)
    {
        return slotOhms[node.count];
    }
    double sum = 0.0;
    for (int part = 0; part < node.count; ++part)
    {
        const double ohms = NodeOhms(nodes, position, slotOhms);
        sum += node.kind == NodeKind::Series ? ohms : 1.0 / ohms;
    }
    return node.kind == NodeKind::Series ? sum : 1.0 / sum;
}

void AppendNodeText(std::span<const ArrangementNode> nodes, std::size_t& position,
                    std::span<const double> slotOhms, bool inner, std::string& text)
{
    const ArrangementNode node = nodes[position++];
    if (node.kind == NodeKind::Resistor)
    {
        text += CombinationOhmsText(slotOhms[node.count]);
        return;
    }
    if (inner)
    {
        text += '(';
    }
    for (int part = 0; part < node.count; ++part)
    {
        if (part > 0)
        {
            text += node.kind == NodeKind::Series ? " + " : " // ";
        }
        AppendNodeText(nodes, position, slotOhms, true, text);
    }
    if (inner)
    {
        text += ')';
    }
}

constexpr int kSignificantFigures = 6;
} // namespace

std::span<const ArrangementNode> ArrangementShape(Arrangement arrangement)
{
    const ArrangementInfo& info = Info(arrangement);
    return std::span<const ArrangementNode>(info.nodes).first(info.nodeCount);
}

int ArrangementResistorCount(Arrangement arrangement)
{
    return Info(arrangement).resistors;
}

CombinationSlots CanonicalSlots(Arrangement arrangement, CombinationSlots slots)
{
    const ArrangementInfo& info = Info(arrangement);
    for (const SlotRun& run : info.runs)
    {
        const auto first = slots.begin() + run.first;
        std::sort(first, first + run.count, std::greater<>());
    }
    if (info.pairsSwap && std::pair(slots[0], slots[1]) < std::pair(slots[2], slots[3]))
    {
        std::swap(slots[0], slots[2]);
        std::swap(slots[1], slots[3]);
    }
    return slots;
}

double ArrangementOhms(Arrangement arrangement, std::span<const double> slotOhms)
{
    std::size_t position = 0;
    return NodeOhms(ArrangementShape(arrangement), position, slotOhms);
}

std::string ArrangementText(Arrangement arrangement, std::span<const double> slotOhms)
{
    std::string text;
    std::size_t position = 0;
    AppendNodeText(ArrangementShape(arrangement), position, slotOhms, false, text);
    return text;
}

std::string CombinationOhmsText(double ohms)
{
    const char* prefix = "";
    double shown = ohms;
    if (ohms >= 1e6)
    {
        prefix = " M";
        shown = ohms / 1e6;
    }
    else if (ohms >= 1e3)
    {
        prefix = " k";
        shown = ohms / 1e3;
    }
    // Decimals for six significant figures: 4,70001 k but 470,001.
    int decimals = kSignificantFigures - 1;
    for (double bound = 10.0; shown >= bound && decimals > 0; bound *= 10.0)
    {
        --decimals;
    }
    for (double bound = 1.0; shown > 0.0 && shown < bound && decimals < 2 * kSignificantFigures;
         bound /= 10.0)
    {
        ++decimals;
    }
    return FormatDecimal(static_cast<float>(shown), decimals) + prefix;
}
