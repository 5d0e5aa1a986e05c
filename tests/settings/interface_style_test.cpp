// The default interface style in each visual-styles environment, for versions on both sides of
// Windows XP, and for the system the tests run on.
#include "settings/app_settings.h"

#include "settings/windows_version_query.h"
#include "theme_environment.h"
#include "window_test.h"

#include <optional>

namespace
{
using InterfaceStyleTest = CWindowTest;

TEST_F(InterfaceStyleTest, VisualStylesOnlyFromWindowsXPAndWhileActive)
{
    const std::optional<EThemeEnvironment> env = CurrentThemeEnvironment();
    ASSERT_TRUE(env.has_value()) << "VANTREL_THEME_CASE must be themed, unthemed or nolib";
    const int nActiveStyle = *env == EThemeEnvironment::Themed ? kStyleVisualStyles : kStyleClassic;
    struct Case
    {
        int nWindowsCode;
        int nStyle;
    };
    const Case cases[] = {
        {0, kStyleClassic},   {7, kStyleClassic},  {102, kStyleClassic},
        {103, kStyleClassic}, {104, nActiveStyle}, {201, nActiveStyle},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DefaultInterfaceStyle(c.nWindowsCode), c.nStyle) << c.nWindowsCode;
}

TEST_F(InterfaceStyleTest, WineReportsAVersionOutsideTheTable)
{
    // Windows 7 by default: the classic look whatever the theme state.
    const WindowsVersion version = GetWindowsVersion();
    EXPECT_EQ(version.nCode, 0) << version.pszName;
    EXPECT_EQ(CAppSettings().m_nStyle, kStyleClassic);
}
} // namespace
