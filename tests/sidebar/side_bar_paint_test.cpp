// The side bar's pixels in the classic look and the drawn look, with colours computed from the
// live system colours; and LightenColor, from which the drawn look takes its shades.
#include "side_bar_fixture.h"

#include "framework/scopes.h"
#include "sidebar/side_bar_paint.h"
#include "framework/theme_library.h"

#include <utility>

namespace
{
struct LightenCase
{
    COLORREF color;
    double fraction;
    COLORREF expected;
};

TEST(LightenColorTest, MovesEachChannelTowardWhiteOnlyForFractionsUpToOne)
{
    const LightenCase cases[] = {
        {RGB(255, 0, 0), 0.15, RGB(255, 38, 38)},      {RGB(255, 0, 0), 0.0, RGB(255, 0, 0)},
        {RGB(255, 0, 0), 1.5, RGB(255, 0, 0)},         {RGB(12, 34, 56), -0.5, RGB(12, 34, 56)},
        {RGB(12, 34, 56), 1.0, RGB(255, 255, 255)},    {RGB(49, 106, 197), 0.4, RGB(131, 165, 220)},
        {RGB(49, 106, 197), 0.85, RGB(224, 232, 246)}, {RGB(49, 106, 197), 0.15, RGB(79, 128, 205)},
    };
    for (const LightenCase& c : cases)
        EXPECT_EQ(LightenColor(c.color, c.fraction), c.expected) << std::hex << c.color << " " << c.fraction;
}

struct LookColours
{
    COLORREF background;
    COLORREF band;
    COLORREF body;
    COLORREF frame;
    COLORREF chevron;
    COLORREF underline;
};

class SideBarPaintTest : public SideBarTest, public ::testing::WithParamInterface<InterfaceLook>
{
protected:
    void SetUp() override
    {
        SideBarTest::SetUp();
        m_sideBar.SetDrawStyle(GetParam());
        Paint();
        HTHEME hTheme = GetThemeLibrary().OpenThemeData(m_hBar, L"EXPLORERBAR");
        if (hTheme != nullptr)
        {
            GetThemeLibrary().CloseThemeData(hTheme);
            if (GetParam() == InterfaceLook::VisualStyles)
                GTEST_SKIP() << "the theme draws this look";
        }
    }

    LookColours Colours() const
    {
        const COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
        if (GetParam() == InterfaceLook::Classic)
            return {::GetSysColor(COLOR_WINDOW),  ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_WINDOW),
                    ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNTEXT), ::GetSysColor(COLOR_BTNTEXT)};
        // Themed but without the theme's parts, the background is the paint context's own.
        CClientDC dc(m_hBar);
        const COLORREF crBackground =
            GetThemeLibrary().IsAppThemed() ? ::GetBkColor(dc.get()) : LightenColor(crHighlight, 0.4);
        return {crBackground,
                crHighlight,
                LightenColor(crHighlight, 0.85),
                crHighlight,
                ::GetSysColor(COLOR_HIGHLIGHTTEXT),
                crHighlight};
    }

    int CountPixels(const RECT& rc, COLORREF crColor) const
    {
        int nCount = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                nCount += Pixel(x, y) == crColor ? 1 : 0;
        return nCount;
    }
};

TEST_P(SideBarPaintTest, BackgroundTitleBandAndBody)
{
    const LookColours colours = Colours();
    const int nBodyY = 10 + TitleHeight() + RowHeight() / 2;
    EXPECT_EQ(Pixel(3, 3), colours.background);
    EXPECT_EQ(Pixel(kBarWidth - 3, 200), colours.background);
    EXPECT_EQ(Pixel(100, 11), colours.band);
    EXPECT_EQ(Pixel(100, 10 + TitleHeight() - 2), colours.band);
    EXPECT_EQ(Pixel(10, nBodyY), colours.frame);
    EXPECT_EQ(Pixel(13, nBodyY), colours.body);
    EXPECT_EQ(Pixel(kBarWidth - 11, nBodyY), colours.frame);
}

// Idle, a link shows the lightened colour only; hot, the full one and an underline. A marked
// link takes its own colour in place of the highlight.
TEST_P(SideBarPaintTest, LinksLightenedWhileIdleAndUnderlinedWhileHot)
{
    m_sideBar.SetItemColor(0, kSecondLink, RGB(200, 30, 30));
    Paint();
    const std::pair<int, COLORREF> links[] = {{0, ::GetSysColor(COLOR_HIGHLIGHT)}, {1, RGB(200, 30, 30)}};
    for (auto [nIndex, crHot] : links)
    {
        SCOPED_TRACE(nIndex);
        const COLORREF crIdle = LightenColor(crHot, 0.15);
        const RECT rcHit = Item(0, nIndex).GetHitRect();
        EXPECT_GT(CountPixels(rcHit, crIdle), 0);
        EXPECT_EQ(CountPixels(rcHit, crHot), 0);
        Mouse(WM_MOUSEMOVE, ClientCentre(rcHit));
        Mouse(WM_MOUSEMOVE, ClientCentre(rcHit));
        ASSERT_TRUE(Item(0, nIndex).IsHot());
        Paint();
        EXPECT_GT(CountPixels(rcHit, crHot), 0);
        EXPECT_EQ(CountPixels(rcHit, crIdle), 0);
        const RECT rcLine{rcHit.left, rcHit.bottom, rcHit.right, rcHit.bottom + 1};
        EXPECT_EQ(CountPixels(rcLine, Colours().underline), rcHit.right - rcHit.left);
    }
}

TEST_P(SideBarPaintTest, CollapsedGroupKeepsOneLineUnderItsTitle)
{
    const LookColours colours = Colours();
    const int nTitleBottom = 10 + TitleHeight();
    EXPECT_EQ(Pixel(100, nTitleBottom), colours.body);
    m_sideBar.ExpandGroup(0, 0);
    Paint();
    EXPECT_EQ(Pixel(100, nTitleBottom - 1), colours.frame);
    EXPECT_EQ(Pixel(100, nTitleBottom), colours.background);
    EXPECT_EQ(Pixel(100, nTitleBottom + 10), colours.band) << "the next group moved up";
}

TEST_P(SideBarPaintTest, ChevronPointsUpWhileOpenAndDownWhileCollapsed)
{
    for (BOOL bCollapsed : {FALSE, TRUE})
    {
        SCOPED_TRACE(bCollapsed ? "collapsed" : "open");
        m_sideBar.ExpandGroup(0, bCollapsed ? 0 : 1);
        Paint();
        const RECT rcHit = m_sideBar.GetGroup(0)->GetTitleHitRect();
        const int cx = (rcHit.right - (rcHit.bottom - rcHit.top) + rcHit.right) / 2;
        const int cy = (rcHit.top + rcHit.bottom) / 2;
        const int nArm = bCollapsed ? -3 : 3;
        for (int dx : {-3, 3})
        {
            EXPECT_EQ(Pixel(cx + dx, cy + nArm), Colours().chevron);
            EXPECT_NE(Pixel(cx + dx, cy - nArm), Colours().chevron);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Looks, SideBarPaintTest,
                         ::testing::Values(InterfaceLook::Classic, InterfaceLook::VisualStyles),
                         [](const ::testing::TestParamInfo<InterfaceLook>& look)
                         { return look.param == InterfaceLook::Classic ? "Classic" : "Drawn"; });
} // namespace
