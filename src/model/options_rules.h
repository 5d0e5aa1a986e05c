// What the options pages make of the settings and give back: the background's mode, the
// language list's selection. The comparisons are exact, as the settings store them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum : int
{
    BACKGROUND_NONE = 0,
    BACKGROUND_BUILT_IN = 1,
    BACKGROUND_FILE = 2,
};

// "Défaut" (exactly; "défaut" is a file's name) is the built-in picture, empty is none.
int BackgroundModeOf(std::string_view strBackground, std::string_view strBuiltInName);
std::string BackgroundSettingOf(int nMode, const std::string& strPath, std::string_view strBuiltInName);

// The list holds the built-in language first, then the libraries' names: the item of the stored
// name (the last of equal names), or the built-in one.
int LanguageListIndex(const std::vector<std::string>& libraryNames, const std::string& strStored);
// The built-in language is stored as an empty text, never by its display name.
std::string LanguageSettingOf(int nIndex, const std::vector<std::string>& libraryNames);
