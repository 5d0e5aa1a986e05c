// From the settings record to the side bar's content: which stored values open, offer and mark.
#include "shell/resistor_app.h"

#include <gtest/gtest.h>

namespace
{
TEST(SideBarContentTest, OnlyZeroCollapsesAGroupAndOnlyOneIsTopmost)
{
    CAppSettings settings;
    settings.m_bGroupOpen[0] = 0;
    settings.m_bGroupOpen[1] = 2;
    settings.m_bGroupOpen[2] = -1;
    settings.m_bTopmost = 2;
    const CSideBarContent content = MakeSideBarContent(settings);
    EXPECT_EQ(content.bGroupOpen, (std::array<bool, 3>{false, true, true}));
    EXPECT_FALSE(content.bTopmost);
    settings.m_bTopmost = 1;
    EXPECT_TRUE(MakeSideBarContent(settings).bTopmost);
}

TEST(SideBarContentTest, SeriesFlagsAndStyleFollowTheSettings)
{
    CAppSettings settings;
    const bool defaults[] = {false, true, true, true, false, false, false};
    for (int i = 0; i < kUseSeriesCount; ++i)
        EXPECT_EQ(MakeSideBarContent(settings).bUseSeries[static_cast<size_t>(i)], defaults[i]) << i;
    settings.m_bUseSeries[6] = 5;
    EXPECT_TRUE(MakeSideBarContent(settings).bUseSeries[6]);

    const struct
    {
        int stored;
        int look;
    } styles[] = {{0, SIDEBAR_STYLE_XP},
                  {1, SIDEBAR_STYLE_CLASSIC},
                  {7, SIDEBAR_STYLE_CLASSIC},
                  {-1, SIDEBAR_STYLE_CLASSIC}};
    for (const auto& s : styles)
    {
        settings.m_nStyle = s.stored;
        EXPECT_EQ(MakeSideBarContent(settings).nStyle, s.look) << s.stored;
    }
}
} // namespace
