// Options page rules.
#include "model/options_rules.h"

int BackgroundModeOf(std::string_view strBackground, std::string_view strBuiltInName)
{
    if (strBackground == strBuiltInName)
        return BACKGROUND_BUILT_IN;
    return strBackground.empty() ? BACKGROUND_NONE : BACKGROUND_FILE;
}

std::string BackgroundSettingOf(int nMode, const std::string& strPath, std::string_view strBuiltInName)
{
    switch (nMode)
    {
    case BACKGROUND_BUILT_IN:
        return std::string(strBuiltInName);
    case BACKGROUND_FILE:
        return strPath;
    default:
        return std::string();
    }
}

int LanguageListIndex(const std::vector<std::string>& libraryNames, const std::string& strStored)
{
    int nIndex = 0;
    for (size_t i = 0; i < libraryNames.size(); ++i)
    {
        if (libraryNames[i] == strStored)
            nIndex = static_cast<int>(i) + 1;
    }
    return nIndex;
}

std::string LanguageSettingOf(int nIndex, const std::vector<std::string>& libraryNames)
{
    if (nIndex <= 0 || static_cast<size_t>(nIndex) > libraryNames.size())
        return std::string();
    return libraryNames[static_cast<size_t>(nIndex) - 1];
}
