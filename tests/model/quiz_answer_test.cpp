// Typed answers read as people write resistances, judged to the milliohm; rings set by hand
// judged by what they read, not by which colours were chosen.
#include "model/quiz_answer.h"

#include "model/quiz_question.h"
#include "model/quiz_text.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
TEST(ReadQuizAnswer, WaysOfWritingAResistance)
{
    const struct
    {
        std::string text;
        std::optional<double> milliohms;
    } cases[] = {
        {"4700", 4'700'000.0},
        {"4,7 k", 4'700'000.0},
        {"4.7K", 4'700'000.0},
        {"4,7k", 4'700'000.0},
        {"4k7", 4'700'000.0},
        {"4K7", 4'700'000.0},
        {"47k", 47'000'000.0},
        {"1M5", 1'500'000'000.0},
        {"1,5 M", 1'500'000'000.0},
        {"4R7", 4'700.0},
        {"R47", 470.0},
        {"47R", 47'000.0},
        {",5", 500.0},
        {"5,", 5'000.0},
        {"0,01", 10.0},
        {"  4,7 kOhms ", 4'700'000.0},
        {"4,7 kohm", 4'700'000.0},
        {"470 Ohms", 470'000.0},
        {"470ohm", 470'000.0},
        {"4k7 Ohms", 4'700'000.0},
        {"999 MOhms", 999'000'000'000.0},
        {"007", 7'000.0},
        // Nothing a resistance can be read from.
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"Ohms", std::nullopt},
        {"abc", std::nullopt},
        {"k", std::nullopt},
        {"R", std::nullopt},
        {",", std::nullopt},
        {"k7", 700'000.0},
        {"k7k", std::nullopt},
        {"4k7k", std::nullopt},
        {"4,7m", std::nullopt}, // milli or mega: not guessed
        {"4 700", std::nullopt},
        {"4.7.3", std::nullopt},
        {"4,7,3", std::nullopt},
        {"-4,7", std::nullopt},
        {"+4,7", std::nullopt},
        {"4,7e3", std::nullopt},
        {"4,7 x", std::nullopt},
        {"4,7 kW", std::nullopt},
        {"Ohms 47", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadQuizAnswer(c.text), c.milliohms) << '"' << c.text << '"';
}

TEST(ReadQuizAnswer, AHugeNumberIsReadWithoutFault)
{
    const std::optional<double> read = ReadQuizAnswer(std::string(400, '9') + "M");
    ASSERT_TRUE(read);
    EXPECT_TRUE(std::isinf(*read));
    EXPECT_EQ(JudgeTypedAnswer(std::string(400, '9'), {kRingMode4, {10, 10, 1, 9, 1, 1}}),
              QuizVerdict::Wrong);
}

TEST(JudgeTypedAnswer, RightToTheMilliohm)
{
    const ResistorState k47{kRingMode4, {5, 8, 1, 5, 2, 1}};     // 4,7 kOhms
    const ResistorState r047{kRingMode5, {1, 5, 8, 1, 2, 1}};    // 047 x 0,01: 0,47 Ohms
    const ResistorState m999{kRingMode6, {10, 10, 10, 9, 1, 1}}; // 999 MOhms
    const struct
    {
        ResistorState rings;
        const char* text;
        QuizVerdict verdict;
    } cases[] = {
        {k47, "4k7", QuizVerdict::Right},         {k47, "4,70 k", QuizVerdict::Right},
        {k47, "4700,0004", QuizVerdict::Right}, // below half a milliohm
        {k47, "4700,001", QuizVerdict::Wrong},  // one milliohm
        {k47, "4699,999", QuizVerdict::Wrong},    {k47, "47k", QuizVerdict::Wrong},
        {k47, "4,7", QuizVerdict::Wrong}, // without its letter: ohms
        {k47, "quatre", QuizVerdict::Unreadable}, {k47, "", QuizVerdict::Unreadable},
        {r047, "0,47", QuizVerdict::Right},       {r047, "R47", QuizVerdict::Right},
        {r047, "0,48", QuizVerdict::Wrong},       {m999, "999M", QuizVerdict::Right},
        {m999, "999000k", QuizVerdict::Right},    {m999, "999000000", QuizVerdict::Right},
        {m999, "999000001", QuizVerdict::Wrong},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JudgeTypedAnswer(c.text, c.rings), c.verdict) << '"' << c.text << '"';
}

TEST(JudgeTypedAnswer, EveryChoiceTextReadsBackAsItsValue)
{
    for (std::uint32_t seed = 0; seed < 200; ++seed)
    {
        QuizRandom random(seed);
        for (int i = 0; i < 10; ++i)
        {
            const QuizQuestion q = MakeQuizQuestion(random);
            for (size_t n = 0; n < kQuizChoiceCount; ++n)
            {
                const QuizVerdict expected = n == q.rightChoice ? QuizVerdict::Right : QuizVerdict::Wrong;
                const std::string text = QuizValueText(q.choices[n]);
                EXPECT_EQ(JudgeTypedAnswer(text, q.rings), expected) << text;
            }
        }
    }
}

TEST(IsPlacementComplete, EveryShownRingNeedsAColour)
{
    const struct
    {
        ResistorState placed;
        bool complete;
    } cases[] = {
        {{kRingMode4, {5, 8, 0, 5, 2, 0}}, true}, // third digit and temperature not shown
        {{kRingMode4, {5, 0, 1, 5, 2, 1}}, false},     {{kRingMode5, {5, 8, 0, 5, 2, 0}}, false},
        {{kRingMode6, {5, 8, 1, 5, 2, 0}}, false},     {{kRingMode6, {10, 10, 10, 9, 8, 7}}, true},
        {{kRingMode6, {10, 10, 10, 10, 8, 7}}, false}, // no tenth multiplier
        {{kRingMode5, {1, 1, 1, 1, 9, 1}}, false},     // no ninth tolerance
        {{kRingMode4, {-1, 1, 1, 1, 1, 1}}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsPlacementComplete(c.placed), c.complete);
}

TEST(IsRightPlacement, TheValueToleranceAndTemperatureMustRead)
{
    const ResistorState asked5{kRingMode5, {5, 8, 1, 4, 2, 1}}; // 470 x 10: 4,7 kOhms at 5 %
    const ResistorState asked6{kRingMode6, {5, 8, 1, 4, 2, 3}};
    const ResistorState asked4{kRingMode4, {5, 8, 1, 5, 3, 1}};
    const struct
    {
        ResistorState asked;
        ResistorState placed;
        bool right;
    } cases[] = {
        {asked5, {kRingMode5, {5, 8, 1, 4, 2, 1}}, true},
        {asked5, {kRingMode5, {1, 5, 8, 5, 2, 1}}, true},  // 047 x 100 reads the same
        {asked5, {kRingMode5, {5, 8, 1, 4, 2, 7}}, true},  // no temperature ring with 5
        {asked5, {kRingMode5, {5, 8, 1, 5, 2, 1}}, false}, // multiplier one too far
        {asked5, {kRingMode5, {5, 8, 1, 4, 1, 1}}, false}, // 10 % instead of 5 %
        {asked5, {kRingMode4, {5, 8, 1, 5, 2, 1}}, false}, // not the ring count asked
        {asked5, {kRingMode5, {5, 8, 0, 4, 2, 1}}, false}, // a ring left without colour
        {asked6, {kRingMode6, {5, 8, 1, 4, 2, 3}}, true},
        {asked6, {kRingMode6, {5, 8, 1, 4, 2, 4}}, false},
        {asked4, {kRingMode4, {5, 8, 7, 5, 3, 5}}, true}, // hidden rings do not count
        {asked4, {kRingMode4, {5, 8, 1, 5, 4, 1}}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsRightPlacement(c.asked, c.placed), c.right)
            << c.placed.positions[0] << c.placed.positions[1] << c.placed.positions[2] << " x"
            << c.placed.positions[3] << " tol " << c.placed.positions[4] << " tc " << c.placed.positions[5];
}

} // namespace
