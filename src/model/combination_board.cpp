// The best networks found so far, in the order the results are listed, each network once.
#include "model/combination_board.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

double CombinationErrorSteps(double ohms, double targetOhms)
{
    return std::floor(std::fabs(ohms - targetOhms) / targetOhms / kCombinationErrorStep);
}

bool CombinationRanksBefore(const CombinationEntry& a, const CombinationEntry& b)
{
    return std::tuple(a.errorSteps, ArrangementResistorCount(a.arrangement), a.arrangement, a.slots) <
           std::tuple(b.errorSteps, ArrangementResistorCount(b.arrangement), b.arrangement, b.slots);
}

CombinationBoard::CombinationBoard(double targetOhms, std::span<const double> values)
    : m_target(targetOhms), m_values(values), m_reach(std::numeric_limits<double>::infinity())
{
    m_entries.reserve(kCombinationResultCount + 1);
}

void CombinationBoard::Offer(Arrangement arrangement, const CombinationSlots& slots)
{
    CombinationEntry entry;
    entry.arrangement = arrangement;
    const int count = ArrangementResistorCount(arrangement);
    CombinationSlots used{};
    std::copy_n(slots.begin(), count, used.begin());
    entry.slots = CanonicalSlots(arrangement, used);
    std::array<double, kMaxCombinationResistors> slotOhms{};
    for (int slot = 0; slot < count; ++slot)
    {
        slotOhms[static_cast<std::size_t>(slot)] = m_values[entry.slots[static_cast<std::size_t>(slot)]];
    }
    entry.ohms = ArrangementOhms(arrangement, slotOhms);
    entry.errorSteps = CombinationErrorSteps(entry.ohms, m_target);

    if (m_entries.size() == kCombinationResultCount && !CombinationRanksBefore(entry, m_entries.back()))
    {
        return;
    }
    const auto place = std::lower_bound(m_entries.begin(), m_entries.end(), entry, CombinationRanksBefore);
    // Found again through another order of its slots.
    if (place != m_entries.end() && place->arrangement == arrangement && place->slots == entry.slots)
    {
        return;
    }
    m_entries.insert(place, entry);
    if (m_entries.size() > kCombinationResultCount)
    {
        m_entries.pop_back();
    }
    if (m_entries.size() == kCombinationResultCount)
    {
        // One step of slack beyond the last entry's own step: a network of that step may still
        // win on the tie, and the search's quicker sums differ from ArrangementOhms by a few
        // units in the last place only.
        m_reach = (m_entries.back().errorSteps + 2.0) * kCombinationErrorStep * m_target;
    }
}
