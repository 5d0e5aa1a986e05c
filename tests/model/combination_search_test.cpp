// The combination search as a page uses it: results and their order, ties, the ends of the
// range, bad input, and a search run in slices, followed and cancelled.
#include "model/combination_search.h"

#include "model/combination_values.h"
#include "model/series_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace
{
std::vector<double> DefaultRange(std::size_t series)
{
    return SeriesValuesInRange(series, kDefaultLowestOhms, kDefaultHighestOhms);
}

CombinationEntry Entry(double errorSteps, Arrangement arrangement, CombinationSlots slots)
{
    CombinationEntry entry;
    entry.errorSteps = errorSteps;
    entry.arrangement = arrangement;
    entry.slots = slots;
    return entry;
}

TEST(CombinationRanksBefore, ErrorThenFewerResistorsThenArrangementThenValues)
{
    const struct
    {
        CombinationEntry first;
        CombinationEntry second;
    } ordered[] = {
        {Entry(0, Arrangement::Series4, {0, 0, 0, 0}), Entry(1, Arrangement::Single, {0})},
        {Entry(3, Arrangement::Single, {9}), Entry(3, Arrangement::Series2, {0, 0})},
        {Entry(3, Arrangement::ParallelInSeries3, {0, 0, 0}), Entry(3, Arrangement::Series4, {0, 0, 0, 0})},
        {Entry(3, Arrangement::Series2, {5, 5}), Entry(3, Arrangement::Parallel2, {0, 0})},
        {Entry(3, Arrangement::Series2, {5, 4}), Entry(3, Arrangement::Series2, {5, 5})},
        {Entry(3, Arrangement::Series2, {4, 4}), Entry(3, Arrangement::Series2, {5, 0})},
    };
    for (const auto& c : ordered)
    {
        EXPECT_TRUE(CombinationRanksBefore(c.first, c.second));
        EXPECT_FALSE(CombinationRanksBefore(c.second, c.first));
    }
}

TEST(CombinationErrorSteps, LastBitsOfASumMeetTheTarget)
{
    EXPECT_EQ(CombinationErrorSteps(1.5 + 1.8, 3.3), 0.0);
    EXPECT_EQ(CombinationErrorSteps(3.3 * (1.0 + 2.5e-12), 3.3), 2.0);
    EXPECT_EQ(CombinationErrorSteps(3.3 * (1.0 - 2.5e-12), 3.3), 2.0);
}

// A value of the source is its own best answer, before every combination that meets it too.
TEST(CombinationSearch, ATargetInTheSourceComesFirstAsOneResistor)
{
    const std::vector<double> e24 = DefaultRange(kSeriesE24Index);
    for (const double target : {4700.0, 1.0, 1e7, 91.0})
    {
        const CombinationAnswer answer = FindCombinations(target, e24, 4);
        ASSERT_EQ(answer.status, CombinationStatus::Ready);
        ASSERT_EQ(answer.results.size(), kCombinationResultCount);
        EXPECT_EQ(answer.results[0].arrangement, Arrangement::Single) << target;
        EXPECT_EQ(answer.results[0].ohms, target);
        EXPECT_TRUE(answer.results[0].exact);
        EXPECT_EQ(answer.results[0].relativeError, 0.0);
        for (std::size_t r = 1; r < answer.results.size(); ++r)
        {
            const CombinationResult& before = answer.results[r - 1];
            const CombinationResult& after = answer.results[r];
            EXPECT_LE(std::fabs(before.relativeError), std::fabs(after.relativeError) + 2e-12) << target;
            EXPECT_FALSE(before.arrangement == after.arrangement && before.slotOhms == after.slotOhms)
                << target;
        }
    }
}

TEST(CombinationSearch, OnATieFewerResistorsComeFirst)
{
    const double stock[] = {2.0, 1.0, 2.0};
    const CombinationAnswer answer = FindCombinations(2.0, stock, 4);
    ASSERT_EQ(answer.results.size(), kCombinationResultCount);
    const struct
    {
        Arrangement arrangement;
        const char* text;
    } expected[] = {
        {Arrangement::Single, "2"},
        {Arrangement::Series2, "1 + 1"},
        {Arrangement::ParallelInSeries3, "(2 // 2) + 1"},
    };
    for (std::size_t r = 0; r < std::size(expected); ++r)
    {
        EXPECT_EQ(answer.results[r].arrangement, expected[r].arrangement) << r;
        EXPECT_EQ(answer.results[r].text, expected[r].text) << r;
        EXPECT_TRUE(answer.results[r].exact) << r;
    }
    for (std::size_t r = std::size(expected); r < answer.results.size(); ++r)
    {
        EXPECT_EQ(ArrangementResistorCount(answer.results[r].arrangement), 4) << answer.results[r].text;
    }
}

TEST(CombinationSearch, BeyondTheRangeTheLargestOrSmallestNetworks)
{
    const std::vector<double> e24 = DefaultRange(kSeriesE24Index);
    const CombinationAnswer above = FindCombinations(1e9, e24, 3);
    ASSERT_FALSE(above.results.empty());
    EXPECT_EQ(above.results[0].text, "10 M + 10 M + 10 M");
    EXPECT_NEAR(above.results[0].relativeError, -0.97, 1e-12);

    const CombinationAnswer below = FindCombinations(0.01, e24, 4);
    ASSERT_FALSE(below.results.empty());
    EXPECT_EQ(below.results[0].text, "1 // 1 // 1 // 1");
    EXPECT_DOUBLE_EQ(below.results[0].ohms, 0.25);
    EXPECT_FALSE(below.results[0].exact);
}

TEST(CombinationSearch, ResultsCarryTheirValueErrorAndText)
{
    const std::vector<double> e12 = DefaultRange(kSeriesE12Index);
    const double target = 1234.567;
    const CombinationAnswer answer = FindCombinations(target, e12, 3);
    ASSERT_EQ(answer.results.size(), kCombinationResultCount);
    for (const CombinationResult& result : answer.results)
    {
        const int count = ArrangementResistorCount(result.arrangement);
        EXPECT_EQ(result.ohms, ArrangementOhms(result.arrangement, result.slotOhms));
        EXPECT_EQ(result.relativeError, (result.ohms - target) / target);
        EXPECT_EQ(result.text, ArrangementText(result.arrangement, result.slotOhms));
        EXPECT_FALSE(result.exact);
        for (int slot = 0; slot < kMaxCombinationResistors; ++slot)
        {
            const double ohms = result.slotOhms[static_cast<std::size_t>(slot)];
            EXPECT_TRUE(slot < count ? std::binary_search(e12.begin(), e12.end(), ohms) : ohms == 0.0);
        }
    }
}

TEST(CombinationSearch, BadInputStartsNothing)
{
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const std::vector<double> good = {1.0, 2.2, 4.7};
    std::vector<double> tooMany;
    for (std::size_t i = 0; i <= kMaxCombinationValues; ++i)
    {
        tooMany.push_back(1.0 + static_cast<double>(i));
    }
    const struct
    {
        double target;
        std::vector<double> values;
        int resistors;
        CombinationStatus status;
    } cases[] = {
        {0.0, good, 2, CombinationStatus::BadTarget},
        {-4.7, good, 2, CombinationStatus::BadTarget},
        {kNaN, good, 2, CombinationStatus::BadTarget},
        {kInfinity, good, 2, CombinationStatus::BadTarget},
        {1e13, good, 2, CombinationStatus::BadTarget},
        {10.0, good, 0, CombinationStatus::BadResistorCount},
        {10.0, good, 5, CombinationStatus::BadResistorCount},
        {10.0, {}, 2, CombinationStatus::NoValues},
        {10.0, {1.0, 0.0}, 2, CombinationStatus::BadValue},
        {10.0, {1.0, -1.0}, 2, CombinationStatus::BadValue},
        {10.0, {kNaN}, 2, CombinationStatus::BadValue},
        {10.0, tooMany, 2, CombinationStatus::TooManyValues},
    };
    for (const auto& c : cases)
    {
        CombinationSearch search;
        EXPECT_EQ(search.Start(c.target, c.values, c.resistors), c.status) << c.target << " " << c.resistors;
        EXPECT_FALSE(search.IsRunning());
        EXPECT_TRUE(search.Advance(kCombinationSlice));
        EXPECT_FALSE(search.IsFinished());
        EXPECT_TRUE(search.Results().empty());
        EXPECT_EQ(FindCombinations(c.target, c.values, c.resistors).status, c.status);
    }
    // As many values as allowed, counted once each.
    tooMany.back() = 1.0;
    CombinationSearch search;
    EXPECT_EQ(search.Start(10.0, tooMany, 1), CombinationStatus::Ready);
}

// The smallest slices give the answer of one call, with the progress rising to 1.
TEST(CombinationSearch, SlicesGiveTheAnswerOfOneCall)
{
    const std::vector<double> e12 = SeriesValuesInRange(kSeriesE12Index, 10.0, 1000.0);
    for (const double target : {10.0, 57.3, 333.3, 999.99, 1e4})
    {
        const CombinationAnswer whole = FindCombinations(target, e12, 4);
        for (const std::size_t slice : {std::size_t{1}, std::size_t{37}, kCombinationSlice})
        {
            CombinationSearch search;
            ASSERT_EQ(search.Start(target, e12, 4), CombinationStatus::Ready);
            double progress = search.Progress();
            EXPECT_EQ(progress, 0.0);
            int slices = 0;
            while (!search.Advance(slice))
            {
                EXPECT_TRUE(search.IsRunning());
                EXPECT_GE(search.Progress(), progress);
                progress = search.Progress();
                ++slices;
            }
            EXPECT_TRUE(search.IsFinished());
            EXPECT_EQ(search.Progress(), 1.0);
            EXPECT_TRUE(slice == kCombinationSlice || slices > 20) << slices << " slices of " << slice;
            const std::vector<CombinationResult> results = search.Results();
            ASSERT_EQ(results.size(), whole.results.size());
            for (std::size_t r = 0; r < results.size(); ++r)
            {
                EXPECT_EQ(results[r].text, whole.results[r].text) << target << " slice " << slice;
                EXPECT_EQ(results[r].ohms, whole.results[r].ohms);
            }
        }
    }
}

std::vector<std::string> Texts(const std::vector<CombinationResult>& results)
{
    std::vector<std::string> texts;
    for (const CombinationResult& result : results)
    {
        texts.push_back(result.text);
    }
    return texts;
}

std::vector<std::string> RunToTheEnd(CombinationSearch& search, double target,
                                     const std::vector<double>& values)
{
    EXPECT_EQ(search.Start(target, values, 4), CombinationStatus::Ready);
    while (!search.Advance(kCombinationSlice))
    {
    }
    return Texts(search.Results());
}

// The next search from the same values takes up the pairs already sorted; a build cut short by
// a cancel, or other values, start them again.
TEST(CombinationSearch, ASearchFromTheSameValuesAgainGivesTheSameAnswer)
{
    const std::vector<double> e12 = SeriesValuesInRange(kSeriesE12Index, 1.0, 1000.0);
    const std::vector<double> e6 = SeriesValuesInRange(kSeriesE6Index, 10.0, 1e5);
    CombinationSearch search;
    const std::vector<std::string> first = RunToTheEnd(search, 47.5, e12);
    EXPECT_EQ(first, Texts(FindCombinations(47.5, e12, 4).results));
    EXPECT_EQ(RunToTheEnd(search, 123.4, e12), Texts(FindCombinations(123.4, e12, 4).results));

    ASSERT_EQ(search.Start(777.0, e12, 4), CombinationStatus::Ready);
    while (search.Progress() < 0.2)
    {
        ASSERT_FALSE(search.Advance(100));
    }
    search.Cancel();
    EXPECT_TRUE(search.Advance(100));
    EXPECT_EQ(RunToTheEnd(search, 47.5, e12), first);
    EXPECT_EQ(RunToTheEnd(search, 3210.0, e6), Texts(FindCombinations(3210.0, e6, 4).results));
    EXPECT_EQ(RunToTheEnd(search, 47.5, e12), first);
}

TEST(CombinationSearch, CancelledSearchStopsAndKeepsWhatItFound)
{
    const std::vector<double> e192 = DefaultRange(kSeriesE192Index);
    CombinationSearch search;
    ASSERT_EQ(search.Start(12'345.0, e192, 4), CombinationStatus::Ready);
    for (int i = 0; i < 20; ++i)
    {
        ASSERT_FALSE(search.Advance(1000));
    }
    const double progress = search.Progress();
    EXPECT_GT(progress, 0.0);
    EXPECT_LT(progress, 1.0);
    search.Cancel();
    EXPECT_TRUE(search.Advance(kCombinationSlice));
    EXPECT_TRUE(search.IsCancelled());
    EXPECT_FALSE(search.IsFinished());
    EXPECT_EQ(search.Progress(), progress);
    EXPECT_EQ(search.Results().size(), kCombinationResultCount);

    // A new start runs again after a cancel.
    ASSERT_EQ(search.Start(12'345.0, e192, 2), CombinationStatus::Ready);
    while (!search.Advance(kCombinationSlice))
    {
    }
    EXPECT_TRUE(search.IsFinished());
}
} // namespace
