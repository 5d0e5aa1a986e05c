// The quiz's best scores, one for each way of playing, kept under the program's key.
#pragma once

#include <string>

enum class EQuizMode
{
    // "Lire les anneaux": the rings are drawn, their value is asked.
    Read,
    // "Placer les anneaux": the value is given, the rings are to be set.
    Place,
};

// Below the program's key, beside its own settings.
constexpr const char* kQuizScoresSubKey = "Questionnaire";

// The REG_SZ value that holds the mode's best score.
const char* BestScoreValueName(EQuizMode mode);
// The path of the quiz's key below either hive.
std::string QuizScoresKeyPath();

// The user's own best score (HKEY_CURRENT_USER) when there is one, otherwise the machine's
// (HKEY_LOCAL_MACHINE); 0 when neither has one or the stored text is not a score from 0 to 10.
int LoadBestScore(EQuizMode mode);

// Stored below HKEY_LOCAL_MACHINE; below HKEY_CURRENT_USER when that refuses (an account not
// running elevated), and there too when the user already has a value, which would otherwise
// hide the new one. False when neither hive takes it.
bool SaveBestScore(EQuizMode mode, int nScore);
