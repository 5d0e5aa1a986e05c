// The quiz's score: a round of ten questions, and the best score as the registry keeps it.
#pragma once

#include <string>
#include <string_view>

constexpr int kQuizQuestionsPerRound = 10;

class QuizRound
{
public:
    // Questions answered so far, and how many of them right.
    int Answered() const { return m_nAnswered; }
    int Score() const { return m_nScore; }
    bool IsOver() const { return m_nAnswered >= kQuizQuestionsPerRound; }
    // The number of the question being asked, 1 to 10; 10 once the round is over.
    int QuestionNumber() const;

    // Counts one answer; an answer after the round is over counts for nothing.
    void Record(bool bRight);

private:
    int m_nAnswered = 0;
    int m_nScore = 0;
};

// "7 / 10".
std::string QuizScoreText(int nScore);

// A stored best score, read as the program reads its integer settings; a text that does not
// give a score from 0 to 10 reads as 0.
int ParseBestScore(std::string_view text);
// The text stored for a best score; one outside 0 to 10 is stored as the nearest end.
std::string FormatBestScore(int nScore);
