// The quiz's best scores in the registry: texts of integers, as the program's settings.
#include "quiz/quiz_scores.h"

#include "model/quiz_score.h"
#include "settings/app_settings.h"
#include "settings/registry_key.h"

#include <optional>

namespace
{
std::optional<std::string> ReadScoreText(HKEY hHive, const char* pszName)
{
    CRegistryKey key;
    std::string strText;
    // Read access only: a standard account reads the machine's scores too.
    if (!key.OpenForReading(hHive, QuizScoresKeyPath()) || !key.GetText(pszName, strText))
        return std::nullopt;
    return strText;
}

bool WriteScoreText(HKEY hHive, const char* pszName, const std::string& strText)
{
    CRegistryKey key;
    return key.Create(hHive, QuizScoresKeyPath()) && key.SetText(pszName, strText);
}
} // namespace

const char* BestScoreValueName(EQuizMode mode)
{
    return mode == EQuizMode::Place ? "Meilleur score placement" : "Meilleur score lecture";
}

std::string QuizScoresKeyPath()
{
    return std::string(kAppRegistryRoot) + "\\" + kQuizScoresSubKey;
}

int LoadBestScore(EQuizMode mode)
{
    for (HKEY hHive : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
    {
        if (const std::optional<std::string> strText = ReadScoreText(hHive, BestScoreValueName(mode)))
            return ParseBestScore(*strText);
    }
    return 0;
}

bool SaveBestScore(EQuizMode mode, int nScore)
{
    const char* pszName = BestScoreValueName(mode);
    const std::string strText = FormatBestScore(nScore);
    const bool bMachine = WriteScoreText(HKEY_LOCAL_MACHINE, pszName, strText);
    if (bMachine && !ReadScoreText(HKEY_CURRENT_USER, pszName))
        return true;
    return WriteScoreText(HKEY_CURRENT_USER, pszName, strText) || bMachine;
}
