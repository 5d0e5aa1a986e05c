// The score of a round, its text, the stored best score's reading, and the quiz's texts of a
// resistance.
#include "model/quiz_score.h"

#include "model/quiz_text.h"
#include "model/resistor_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
TEST(QuizRound, TenAnswersMakeARound)
{
    const struct
    {
        std::vector<bool> answers;
        int score;
        bool over;
    } cases[] = {
        {{}, 0, false},
        {{true}, 1, false},
        {{false, false, false, false, false, false, false, false, false}, 0, false},
        {{true, false, true, true, false, false, true, false, true, true}, 6, true},
        {{true, true, true, true, true, true, true, true, true, true}, 10, true},
        // Answers after the tenth count for nothing.
        {{false, false, false, false, false, false, false, false, false, false, true, true}, 0, true},
    };
    for (const auto& c : cases)
    {
        QuizRound round;
        int n = 0;
        for (bool bRight : c.answers)
        {
            EXPECT_EQ(round.QuestionNumber(), std::min(n + 1, 10));
            round.Record(bRight);
            ++n;
        }
        EXPECT_EQ(round.Score(), c.score);
        EXPECT_EQ(round.Answered(), std::min(n, 10));
        EXPECT_EQ(round.IsOver(), c.over);
        EXPECT_LE(round.QuestionNumber(), 10);
    }
}

TEST(QuizScoreText, OutOfTen)
{
    EXPECT_EQ(QuizScoreText(0), "0 / 10");
    EXPECT_EQ(QuizScoreText(7), "7 / 10");
    EXPECT_EQ(QuizScoreText(10), "10 / 10");
}

TEST(ParseBestScore, StoredTexts)
{
    const struct
    {
        const char* text;
        int score;
    } cases[] = {
        {"0", 0},
        {"7", 7},
        {"10", 10},
        {" 8", 8},
        {"9 points", 9},
        {"+3", 3},
        {"11", 0},
        {"-1", 0},
        {"100", 0},
        {"", 0},
        {"abc", 0},
        {"-0", 0},
        {"99999999999999999999", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseBestScore(c.text), c.score) << '"' << c.text << '"';
}

TEST(FormatBestScore, RoundTripAndClamp)
{
    for (int n = 0; n <= 10; ++n)
        EXPECT_EQ(ParseBestScore(FormatBestScore(n)), n);
    EXPECT_EQ(FormatBestScore(-4), "0");
    EXPECT_EQ(FormatBestScore(12), "10");
}

TEST(QuizValueText, AsTheValueBoxShowsItWithItsUnit)
{
    const struct
    {
        std::int64_t hundredths;
        const char* text;
    } cases[] = {
        {10, "0,1 Ohms"},
        {47, "0,47 Ohms"},
        {99'900, "999 Ohms"},
        {100'000, "1 kOhms"},
        {470'000, "4,7 kOhms"},
        {101'000, "1,01 kOhms"},
        {99'900'000, "999 kOhms"},
        {100'000'000, "1 MOhms"},
        {99'900'000'000, "999 MOhms"},
        {12'300'000'000, "123 MOhms"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QuizValueText(c.hundredths), c.text);
}

TEST(QuizReadingText, ToleranceAndWithSixRingsTheTemperature)
{
    const struct
    {
        ResistorState rings;
        const char* text;
    } cases[] = {
        {{kRingMode4, {5, 8, 1, 5, 2, 1}}, "4,7 kOhms \xE0 5 %"},
        {{kRingMode5, {2, 1, 1, 1, 5, 1}}, "1 Ohms \xE0 0.50 %"},
        {{kRingMode6, {5, 8, 1, 4, 3, 2}},
         "4,7 kOhms \xE0 1 %, 50 ppm/\xB0"
         "C"},
        {{kRingMode6, {10, 10, 10, 9, 8, 7}},
         "999 MOhms \xE0 0.05 %, 1 ppm/\xB0"
         "C"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QuizReadingText(c.rings, "\xE0"), c.text);
}
} // namespace
