// The quiz's score of a round and the stored best score.
#include "model/quiz_score.h"

#include "model/settings_text.h"

#include <algorithm>

int QuizRound::QuestionNumber() const
{
    return std::min(m_nAnswered + 1, kQuizQuestionsPerRound);
}

void QuizRound::Record(bool bRight)
{
    if (IsOver())
        return;
    ++m_nAnswered;
    if (bRight)
        ++m_nScore;
}

std::string QuizScoreText(int nScore)
{
    return FormatSettingInt(nScore) + " / " + FormatSettingInt(kQuizQuestionsPerRound);
}

int ParseBestScore(std::string_view text)
{
    const int nScore = ParseSettingInt(text);
    return nScore >= 0 && nScore <= kQuizQuestionsPerRound ? nScore : 0;
}

std::string FormatBestScore(int nScore)
{
    return FormatSettingInt(std::clamp(nScore, 0, kQuizQuestionsPerRound));
}
