// The visual-styles environment a test run was started in, named by VANTREL_THEME_CASE, so that
// one test program knows which answers to expect in each.
#pragma once

#include <optional>

enum class EThemeEnvironment
{
    Themed,
    Unthemed,
    NoLibrary,
};

// Empty when the variable is missing or names no environment.
std::optional<EThemeEnvironment> CurrentThemeEnvironment();
