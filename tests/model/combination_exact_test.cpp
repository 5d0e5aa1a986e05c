// The combination search against a plain search over every network, on generated targets:
// within and beyond the range, exactly on a network's value, and a few error steps beside it.
#include "model/combination_search.h"
#include "model/combination_values.h"
#include "model/series_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <set>
#include <vector>

namespace
{
constexpr int kTargetsPerCount = 1000;

// Every distinct network of up to `maxResistors` resistors, by trying every slot order.
std::vector<CombinationEntry> EveryNetwork(const std::vector<double>& values, int maxResistors)
{
    std::set<std::pair<Arrangement, CombinationSlots>> seen;
    std::vector<CombinationEntry> networks;
    const auto n = static_cast<std::uint16_t>(values.size());
    for (std::size_t a = 0; a < kArrangementCount; ++a)
    {
        const auto arrangement = static_cast<Arrangement>(a);
        const int count = ArrangementResistorCount(arrangement);
        if (count > maxResistors)
        {
            continue;
        }
        std::uint16_t limits[kMaxCombinationResistors] = {1, 1, 1, 1};
        std::fill_n(limits, count, n);
        for (std::uint16_t i = 0; i < limits[0]; ++i)
            for (std::uint16_t j = 0; j < limits[1]; ++j)
                for (std::uint16_t k = 0; k < limits[2]; ++k)
                    for (std::uint16_t l = 0; l < limits[3]; ++l)
                    {
                        const CombinationSlots slots = CanonicalSlots(arrangement, {i, j, k, l});
                        if (seen.insert({arrangement, slots}).second)
                        {
                            CombinationEntry entry;
                            entry.arrangement = arrangement;
                            entry.slots = slots;
                            const double ohms[] = {values[slots[0]], values[slots[1]], values[slots[2]],
                                                   values[slots[3]]};
                            entry.ohms = ArrangementOhms(arrangement, ohms);
                            networks.push_back(entry);
                        }
                    }
    }
    return networks;
}

// The plain search: every network ranked, the first ones kept.
std::vector<CombinationEntry> BestOf(const std::vector<CombinationEntry>& networks, double target)
{
    std::vector<CombinationEntry> best;
    for (CombinationEntry network : networks)
    {
        network.errorSteps = CombinationErrorSteps(network.ohms, target);
        // Most networks lose on their error alone: the full ranking is for the few that do not.
        if (best.size() == kCombinationResultCount && network.errorSteps > best.back().errorSteps)
        {
            continue;
        }
        best.insert(std::upper_bound(best.begin(), best.end(), network, CombinationRanksBefore), network);
        if (best.size() > kCombinationResultCount)
        {
            best.pop_back();
        }
    }
    return best;
}

class TargetMaker
{
public:
    TargetMaker(std::uint32_t seed, const std::vector<double>& values,
                const std::vector<CombinationEntry>& networks)
        : m_engine(seed), m_values(values), m_networks(networks)
    {
    }

    double Next(int i)
    {
        const double network = m_networks[m_engine() % m_networks.size()].ohms;
        switch (i % 10)
        {
        case 5:
        case 6:
        case 7:
            return network;
        case 8:
        case 9:
            // A few error steps beside a network's value, where the steps' rounding decides.
            return network *
                   (1.0 + static_cast<double>(static_cast<int>(m_engine() % 7) - 3) * kCombinationErrorStep);
        default:
        {
            const double lowest = std::log(m_values.front() / 20.0);
            const double highest = std::log(m_values.back() * 20.0);
            return std::exp(lowest + (highest - lowest) * (static_cast<double>(m_engine()) / 4294967296.0));
        }
        }
    }

private:
    std::mt19937 m_engine;
    const std::vector<double>& m_values;
    const std::vector<CombinationEntry>& m_networks;
};

void ExpectSameAsEveryNetwork(const std::vector<double>& values, int maxResistors, std::uint32_t seed)
{
    const std::vector<CombinationEntry> networks = EveryNetwork(values, maxResistors);
    TargetMaker targets(seed, values, networks);
    int mismatches = 0;
    for (int i = 0; i < kTargetsPerCount && mismatches < 5; ++i)
    {
        const double target = targets.Next(i);
        const std::vector<CombinationEntry> expected = BestOf(networks, target);
        const CombinationAnswer answer = FindCombinations(target, values, maxResistors);
        ASSERT_EQ(answer.status, CombinationStatus::Ready);
        bool same = answer.results.size() == expected.size();
        for (std::size_t r = 0; same && r < expected.size(); ++r)
        {
            const CombinationResult& found = answer.results[r];
            same = found.arrangement == expected[r].arrangement && found.ohms == expected[r].ohms;
            for (int slot = 0; same && slot < ArrangementResistorCount(found.arrangement); ++slot)
            {
                const auto s = static_cast<std::size_t>(slot);
                same = found.slotOhms[s] == values[expected[r].slots[s]];
            }
            if (!same)
            {
                const std::vector<double> slotOhms = {
                    values[expected[r].slots[0]], values[expected[r].slots[1]], values[expected[r].slots[2]],
                    values[expected[r].slots[3]]};
                ADD_FAILURE() << "target " << target << ", result " << r << ": found " << found.text
                              << ", expected " << ArrangementText(expected[r].arrangement, slotOhms);
                ++mismatches;
            }
        }
        if (answer.results.size() != expected.size())
        {
            ADD_FAILURE() << "target " << target << ": " << answer.results.size() << " results";
            ++mismatches;
        }
    }
}

const std::vector<double> kStock = {0.5, 3.3, 3.3, 12.7, 150.0, 151.0, 2000.0, 68'000.0, 1.5e6};

std::vector<double> E3FromOneOhmToOneKilohm()
{
    return SeriesValuesInRange(kSeriesE3Index, 1.0, 1000.0);
}

std::vector<double> E12OverOneDecade()
{
    return SeriesValuesInRange(kSeriesE12Index, 10.0, 100.0);
}

std::vector<double> Stock()
{
    return SortedDistinctValues(kStock);
}

TEST(CombinationExact, OneResistor)
{
    ExpectSameAsEveryNetwork(E12OverOneDecade(), 1, 11);
    ExpectSameAsEveryNetwork(Stock(), 1, 12);
}

TEST(CombinationExact, TwoResistors)
{
    ExpectSameAsEveryNetwork(E12OverOneDecade(), 2, 21);
    ExpectSameAsEveryNetwork(Stock(), 2, 22);
}

TEST(CombinationExact, ThreeResistors)
{
    ExpectSameAsEveryNetwork(E12OverOneDecade(), 3, 31);
    ExpectSameAsEveryNetwork(E3FromOneOhmToOneKilohm(), 3, 32);
    ExpectSameAsEveryNetwork(Stock(), 3, 33);
}

TEST(CombinationExact, FourResistors)
{
    ExpectSameAsEveryNetwork(E3FromOneOhmToOneKilohm(), 4, 41);
    ExpectSameAsEveryNetwork(Stock(), 4, 42);
}
} // namespace
