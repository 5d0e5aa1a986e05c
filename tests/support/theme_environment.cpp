// Reading the test run's visual-styles environment from its variable.
#include "theme_environment.h"

#include <cstdlib>
#include <cstring>

std::optional<EThemeEnvironment> CurrentThemeEnvironment()
{
    struct Name
    {
        const char* pszName;
        EThemeEnvironment env;
    };
    static constexpr Name kNames[] = {
        {"themed", EThemeEnvironment::Themed},
        {"unthemed", EThemeEnvironment::Unthemed},
        {"nolib", EThemeEnvironment::NoLibrary},
    };
    const char* pszValue = std::getenv("VANTREL_THEME_CASE");
    if (pszValue == nullptr)
        return std::nullopt;
    for (const Name& name : kNames)
        if (std::strcmp(pszValue, name.pszName) == 0)
            return name.env;
    return std::nullopt;
}
