// Combination arrangements: their values, texts, resistor counts and one form per network.
#include "model/combination_arrangement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <vector>

namespace
{
TEST(CombinationOhmsText, SixFiguresWithThePrefixOfItsThousands)
{
    const struct
    {
        double ohms;
        const char* text;
    } cases[] = {
        {470.0, "470"},       {4.7, "4,7"},        {1.02, "1,02"},    {0.047, "0,047"},
        {999.0, "999"},       {1000.0, "1 k"},     {4700.0, "4,7 k"}, {4753.21, "4,75321 k"},
        {976'000.0, "976 k"}, {1e6, "1 M"},        {1e7, "10 M"},     {123'456.7, "123,457 k"},
        {0.001, "0,001"},     {999e9, "999000 M"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(CombinationOhmsText(c.ohms), c.text) << c.ohms;
    }
}

TEST(ArrangementText, InnerGroupsInBracketsInSlotOrder)
{
    const struct
    {
        Arrangement arrangement;
        std::vector<double> ohms;
        const char* text;
    } cases[] = {
        {Arrangement::Single, {470.0}, "470"},
        {Arrangement::Series2, {4700.0, 1000.0}, "4,7 k + 1 k"},
        {Arrangement::Parallel3, {1e6, 1e6, 2.2}, "1 M // 1 M // 2,2"},
        {Arrangement::SeriesInParallel3, {4700.0, 1000.0, 10'000.0}, "(4,7 k + 1 k) // 10 k"},
        {Arrangement::ParallelPlusTwo4, {10.0, 22.0, 4.7, 1.0}, "(10 // 22) + 4,7 + 1"},
        {Arrangement::ParallelPairsInSeries4, {10.0, 22.0, 4.7, 1.0}, "(10 // 22) + (4,7 // 1)"},
        {Arrangement::NestedSeriesFirst4, {1e6, 2.2e6, 0.47, 10.0}, "((1 M + 2,2 M) // 0,47) + 10"},
        {Arrangement::NestedParallelFirst4, {1.0, 2.0, 3.0, 4.0}, "((1 // 2) + 3) // 4"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(ArrangementText(c.arrangement, c.ohms), c.text);
    }
}

TEST(ArrangementOhms, SeriesAddsParallelAddsConductances)
{
    const struct
    {
        Arrangement arrangement;
        std::vector<double> ohms;
        double expected;
    } cases[] = {
        {Arrangement::Single, {4.7}, 4.7},
        {Arrangement::Series2, {1.0, 2.0}, 3.0},
        {Arrangement::Parallel2, {3.0, 6.0}, 2.0},
        {Arrangement::Series3, {1.0, 2.0, 4.0}, 7.0},
        {Arrangement::Parallel3, {2.0, 3.0, 6.0}, 1.0},
        {Arrangement::SeriesInParallel3, {1.0, 2.0, 6.0}, 2.0},
        {Arrangement::ParallelInSeries3, {3.0, 6.0, 5.0}, 7.0},
        {Arrangement::Series4, {1.0, 2.0, 3.0, 4.0}, 10.0},
        {Arrangement::Parallel4, {4.0, 4.0, 4.0, 4.0}, 1.0},
        {Arrangement::ParallelPlusTwo4, {3.0, 6.0, 1.0, 1.0}, 4.0},
        {Arrangement::SeriesByTwo4, {1.0, 2.0, 6.0, 2.0}, 1.0},
        {Arrangement::ParallelThreePlusOne4, {2.0, 3.0, 6.0, 1.0}, 2.0},
        {Arrangement::SeriesThreeByOne4, {1.0, 2.0, 3.0, 3.0}, 2.0},
        {Arrangement::ParallelPairsInSeries4, {2.0, 2.0, 4.0, 4.0}, 3.0},
        {Arrangement::SeriesPairsInParallel4, {1.0, 2.0, 3.0, 3.0}, 2.0},
        {Arrangement::NestedSeriesFirst4, {1.0, 2.0, 6.0, 1.0}, 3.0},
        {Arrangement::NestedParallelFirst4, {2.0, 2.0, 1.0, 2.0}, 1.0},
    };
    ASSERT_EQ(std::size(cases), kArrangementCount);
    for (const auto& c : cases)
    {
        EXPECT_DOUBLE_EQ(ArrangementOhms(c.arrangement, c.ohms), c.expected)
            << static_cast<int>(c.arrangement);
        EXPECT_EQ(ArrangementResistorCount(c.arrangement), static_cast<int>(c.ohms.size()));
    }
}

// Slot orders of one network share its canonical slots and its value. With values that no sum
// or quotient of the others can meet, networks using each value at most once give the same
// resistance only when they are the same network. (Not so with repeats: (a // a) + (a // a)
// is a network of its own worth a.)
TEST(CanonicalSlots, OneFormPerNetworkAndNoTwoNetworksMerged)
{
    const std::vector<double> values = {std::sqrt(2.0), std::sqrt(3.0), std::sqrt(5.0), std::sqrt(7.0)};
    const std::uint16_t n = 4;
    std::map<std::pair<Arrangement, CombinationSlots>, double> networks;
    std::vector<double> withoutRepeats;
    for (std::size_t a = 0; a < kArrangementCount; ++a)
    {
        const auto arrangement = static_cast<Arrangement>(a);
        const int count = ArrangementResistorCount(arrangement);
        std::uint16_t limits[kMaxCombinationResistors] = {1, 1, 1, 1};
        for (int slot = 0; slot < count; ++slot)
        {
            limits[slot] = n;
        }
        for (std::uint16_t i = 0; i < limits[0]; ++i)
            for (std::uint16_t j = 0; j < limits[1]; ++j)
                for (std::uint16_t k = 0; k < limits[2]; ++k)
                    for (std::uint16_t l = 0; l < limits[3]; ++l)
                    {
                        const CombinationSlots slots = {i, j, k, l};
                        const CombinationSlots canonical = CanonicalSlots(arrangement, slots);
                        EXPECT_EQ(CanonicalSlots(arrangement, canonical), canonical);
                        const double ohms = ArrangementOhms(
                            arrangement, std::vector<double>{values[i], values[j], values[k], values[l]});
                        const auto [place, added] = networks.try_emplace({arrangement, canonical}, ohms);
                        EXPECT_NEAR(place->second, ohms, 1e-12 * ohms) << "slot orders of one network differ";
                        const std::set<std::uint16_t> used(slots.begin(), slots.begin() + count);
                        if (added && used.size() == static_cast<std::size_t>(count))
                        {
                            withoutRepeats.push_back(ohms);
                        }
                    }
    }
    std::sort(withoutRepeats.begin(), withoutRepeats.end());
    for (std::size_t i = 1; i < withoutRepeats.size(); ++i)
    {
        EXPECT_GT(withoutRepeats[i] - withoutRepeats[i - 1], 1e-9 * withoutRepeats[i])
            << "two canonical forms are one network: " << withoutRepeats[i];
    }
    // From four values: 4 singles, 10 pairs and 20 triples (as multisets) per series or parallel
    // group, 35 quadruples, 55 pairs of pairs; each arrangement counted by its kinds of slots.
    const std::size_t perArrangement[] = {4,   10,  10, 20, 20, 40, 40,  35, 35,
                                          100, 100, 80, 80, 55, 55, 160, 160};
    std::size_t expected = 0;
    for (const std::size_t count : perArrangement)
    {
        expected += count;
    }
    EXPECT_EQ(networks.size(), expected);
}
} // namespace
