// The best networks found so far, in the order the results are listed, each network once.
#pragma once

#include "model/combination_arrangement.h"

#include <cstddef>
#include <span>
#include <vector>

constexpr std::size_t kCombinationResultCount = 10;

// Relative errors are compared in steps of this size, so that the last bits of a computation
// never decide between networks that are equally good: 1,5 + 1,8 reckons as 3,3000000000000003
// yet meets a target of 3,3 exactly.
constexpr double kCombinationErrorStep = 1e-12;

struct CombinationEntry
{
    Arrangement arrangement = Arrangement::Single;
    CombinationSlots slots{};
    double ohms = 0.0;
    // Whole steps of relative error.
    double errorSteps = 0.0;
};

double CombinationErrorSteps(double ohms, double targetOhms);

// The smaller error first; on a tie the fewer resistors, then the arrangement's order, then
// the slots' values, compared slot by slot from the first.
bool CombinationRanksBefore(const CombinationEntry& a, const CombinationEntry& b);

class CombinationBoard
{
public:
    // `values` ascending, outliving the board.
    CombinationBoard(double targetOhms, std::span<const double> values);

    double TargetOhms() const { return m_target; }
    // How far in ohms from the target a network may lie and still enter the board; any network
    // farther away ranks after all of its entries. Shrinks as better networks come in.
    double Reach() const { return m_reach; }

    // A network of `arrangement` with the given value indices in any order of the same roles.
    void Offer(Arrangement arrangement, const CombinationSlots& slots);

    std::span<const CombinationEntry> Entries() const { return m_entries; }

private:
    double m_target;
    std::span<const double> m_values;
    double m_reach;
    std::vector<CombinationEntry> m_entries;
};
