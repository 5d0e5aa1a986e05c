// Quiz questions over many seeds: rings within the colour code, four distinct choices of which
// one is right, wrong choices a reader could mistake, and the same questions for the same seed.
#include "model/quiz_question.h"

#include "model/quiz_text.h"
#include "model/resistor_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace
{
constexpr int kSeeds = 300;

// Every question of the first kSeeds seeds, ten per seed as a round asks them.
std::vector<QuizQuestion> ManyQuestions()
{
    std::vector<QuizQuestion> questions;
    for (std::uint32_t seed = 0; seed < kSeeds; ++seed)
    {
        QuizRandom random(seed);
        for (int i = 0; i < 10; ++i)
            questions.push_back(MakeQuizQuestion(random));
    }
    return questions;
}

int DigitCount(int ringMode)
{
    return ringMode == kRingMode4 ? 2 : 3;
}

std::int64_t Power10(int n)
{
    std::int64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// The significant digits of a value written with the given multiplier position, when the value
// can be written so with the ring count's digits and a first digit that is not black.
std::optional<std::int64_t> DigitsAt(std::int64_t hundredths, int ringMode, int multiplier)
{
    const std::int64_t factor = Power10(multiplier - 1);
    if (hundredths % factor != 0)
        return std::nullopt;
    const std::int64_t digits = hundredths / factor;
    const int n = DigitCount(ringMode);
    if (digits < Power10(n - 1) || digits >= Power10(n))
        return std::nullopt;
    return digits;
}

bool IsExpressible(std::int64_t hundredths, int ringMode)
{
    for (int multiplier = 1; multiplier <= kRingPositionCount[kSlotMultiplier]; ++multiplier)
        if (DigitsAt(hundredths, ringMode, multiplier))
            return true;
    return false;
}

// A wrong choice a reader could give: the same digits with the multiplier one or two colours
// away, or, with the same multiplier, one digit one colour away or the first two swapped.
bool IsNearMistake(std::int64_t wrong, const ResistorState& rings)
{
    const std::int64_t right = RingsHundredths(rings);
    for (std::int64_t ratio : {10, 100})
        if (wrong == right * ratio || wrong * ratio == right)
            return true;
    const std::optional<std::int64_t> digits =
        DigitsAt(wrong, rings.ringMode, rings.positions[kSlotMultiplier]);
    if (!digits)
        return false;
    const std::string a = std::to_string(*digits);
    const std::string b = std::to_string(right / Power10(rings.positions[kSlotMultiplier] - 1));
    int nDiffer = 0;
    bool bByOne = true;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
        {
            ++nDiffer;
            bByOne = bByOne && std::abs(a[i] - b[i]) == 1;
        }
    const bool bSwapped = a.size() >= 2 && a[0] == b[1] && a[1] == b[0] && a.substr(2) == b.substr(2);
    return (nDiffer == 1 && bByOne) || bSwapped;
}

TEST(MakeQuizQuestion, RingsStayWithinTheColourCode)
{
    for (const QuizQuestion& q : ManyQuestions())
    {
        const ResistorState& r = q.rings;
        ASSERT_GE(r.ringMode, kRingMode4);
        ASSERT_LE(r.ringMode, kRingMode6);
        for (int slot = 0; slot < 6; ++slot)
        {
            const int position = r.positions[static_cast<size_t>(slot)];
            if (IsRingShown(r.ringMode, slot))
            {
                EXPECT_GE(position, slot == kSlotFirstDigit ? 2 : 1) << "slot " << slot;
                EXPECT_LE(position, kRingPositionCount[static_cast<size_t>(slot)]) << "slot " << slot;
            }
            else
            {
                EXPECT_EQ(position, 1) << "hidden slot " << slot;
            }
        }
    }
}

TEST(MakeQuizQuestion, EveryRingCountAndEveryEndOfEachScaleComesUp)
{
    std::set<int> modes;
    std::set<std::pair<int, int>> seen; // slot, position
    for (const QuizQuestion& q : ManyQuestions())
    {
        modes.insert(q.rings.ringMode);
        for (int slot = 0; slot < 6; ++slot)
            if (IsRingShown(q.rings.ringMode, slot))
                seen.insert({slot, q.rings.positions[static_cast<size_t>(slot)]});
    }
    EXPECT_EQ(modes.size(), 3u);
    const std::pair<int, int> ends[] = {{0, 2}, {0, 10}, {1, 1}, {1, 10}, {2, 1}, {2, 10},
                                        {3, 1}, {3, 9},  {4, 1}, {4, 8},  {5, 1}, {5, 7}};
    for (const auto& end : ends)
        EXPECT_TRUE(seen.count(end)) << "slot " << end.first << " position " << end.second;
}

TEST(MakeQuizQuestion, FourDistinctChoicesExactlyOneRight)
{
    std::array<int, kQuizChoiceCount> rightAt{};
    for (const QuizQuestion& q : ManyQuestions())
    {
        const std::int64_t right = RingsHundredths(q.rings);
        ASSERT_LT(q.rightChoice, kQuizChoiceCount);
        EXPECT_EQ(q.choices[q.rightChoice], right);
        EXPECT_EQ(std::count(q.choices.begin(), q.choices.end(), right), 1);
        std::set<std::int64_t> values(q.choices.begin(), q.choices.end());
        EXPECT_EQ(values.size(), kQuizChoiceCount);
        // Shown as the user reads them, the four are still four.
        std::set<std::string> texts;
        for (std::int64_t choice : q.choices)
            texts.insert(QuizValueText(choice));
        EXPECT_EQ(texts.size(), kQuizChoiceCount) << QuizValueText(right);
        ++rightAt[q.rightChoice];
    }
    // The right one is not always in the same place.
    for (int n : rightAt)
        EXPECT_GT(n, kSeeds * 10 / 8);
}

TEST(MakeQuizQuestion, WrongChoicesAreNearMistakesTheRingsCouldShow)
{
    for (const QuizQuestion& q : ManyQuestions())
    {
        for (size_t i = 0; i < kQuizChoiceCount; ++i)
        {
            if (i == q.rightChoice)
                continue;
            const std::int64_t wrong = q.choices[i];
            EXPECT_TRUE(IsExpressible(wrong, q.rings.ringMode)) << wrong;
            EXPECT_TRUE(IsNearMistake(wrong, q.rings))
                << QuizValueText(wrong) << " for " << QuizValueText(RingsHundredths(q.rings));
        }
    }
}

TEST(MakeQuizQuestion, TheSameSeedAsksTheSameQuestions)
{
    for (std::uint32_t seed : {0u, 1u, 42u, 4294967295u})
    {
        QuizRandom a(seed);
        QuizRandom b(seed);
        for (int i = 0; i < 20; ++i)
        {
            const QuizQuestion qa = MakeQuizQuestion(a);
            const QuizQuestion qb = MakeQuizQuestion(b);
            EXPECT_EQ(qa.rings, qb.rings);
            EXPECT_EQ(qa.choices, qb.choices);
            EXPECT_EQ(qa.rightChoice, qb.rightChoice);
        }
    }
    // Another seed, another round.
    QuizRandom a(1);
    QuizRandom b(2);
    int nSame = 0;
    for (int i = 0; i < 10; ++i)
        nSame += MakeQuizQuestion(a).rings == MakeQuizQuestion(b).rings ? 1 : 0;
    EXPECT_LT(nSame, 10);
}

TEST(QuizRandom, BetweenStaysWithinItsBoundsAndReachesBoth)
{
    const struct
    {
        int first;
        int last;
    } cases[] = {{3, 3}, {0, 1}, {-5, 5}, {1, 10}, {10, 1}, {INT_MIN, INT_MIN + 2}, {INT_MAX - 1, INT_MAX}};
    for (const auto& c : cases)
    {
        QuizRandom random(7);
        const int low = std::min(c.first, c.last);
        const int high = std::max(c.first, c.last);
        bool bLow = false;
        bool bHigh = false;
        for (int i = 0; i < 2000; ++i)
        {
            const int n = random.Between(c.first, c.last);
            ASSERT_GE(n, low);
            ASSERT_LE(n, high);
            bLow = bLow || n == low;
            bHigh = bHigh || n == high;
        }
        EXPECT_TRUE(bLow && bHigh) << c.first << ".." << c.last;
    }
    QuizRandom random(7);
    for (int i = 0; i < 100; ++i)
        random.Between(INT_MIN, INT_MAX); // the whole range, without dividing by zero
}

TEST(RingsHundredths, ExactWhereSinglePrecisionRounds)
{
    const struct
    {
        ResistorState rings;
        std::int64_t hundredths;
    } cases[] = {
        {{kRingMode4, {5, 8, 10, 5, 2, 1}}, 470'000},          // hidden third digit ignored
        {{kRingMode5, {5, 8, 1, 4, 2, 1}}, 470'000},           // 470 x 10 Ohm
        {{kRingMode6, {10, 10, 10, 9, 1, 7}}, 99'900'000'000}, // 999 MOhm
        {{kRingMode5, {10, 10, 8, 9, 1, 1}}, 99'700'000'000},  // not a float
        {{kRingMode4, {2, 1, 1, 1, 1, 1}}, 10},                // 10 x 0.01 Ohm
        {{kRingMode4, {5, 8, 1, 0, 1, 1}}, 47},                // out of range: nearest
        {{kRingMode4, {5, 8, 1, 40, 1, 1}}, 4'700'000'000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RingsHundredths(c.rings), c.hundredths);
}

TEST(RingsHundredths, AgreesWithTheProgramsReadingForEveryRingSet)
{
    for (int mode : {kRingMode4, kRingMode5})
        for (int d0 = 1; d0 <= 10; ++d0)
            for (int d1 = 1; d1 <= 10; ++d1)
                for (int d2 = 1; d2 <= 10; ++d2)
                    for (int m = 1; m <= 9; ++m)
                    {
                        const ResistorState rings{mode, {d0, d1, d2, m, 1, 1}};
                        const double exact = static_cast<double>(RingsHundredths(rings));
                        ASSERT_NEAR(RingsToValue(rings), exact, exact * 1e-7);
                    }
}

TEST(ReadSeedSwitch, CommandLines)
{
    const struct
    {
        const char* line;
        std::optional<std::uint32_t> seed;
    } cases[] = {
        {"", std::nullopt},
        {"/seed:42", 42u},
        {"/SEED:7", 7u},
        {"  /x /Seed:0\t/y", 0u},
        {"/seed:4294967295", 4294967295u},
        {"/seed:4294967296", std::nullopt},
        {"/seed:99999999999999999999", std::nullopt},
        {"/seed:", std::nullopt},
        {"/seed:-1", std::nullopt},
        {"/seed:12a", std::nullopt},
        {"seed:12", std::nullopt},
        {"/seeds:12", std::nullopt},
        {"/seed:5 /seed:6", 5u},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadSeedSwitch(c.line), c.seed) << '"' << c.line << '"';
}
} // namespace
