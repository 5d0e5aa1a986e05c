// Mouse input and scrolling: hot tracking order, presses and releases, the cursor, the scroll
// bar's threshold and codes, and what follows the scroll position.
#include "side_bar_fixture.h"

#include <algorithm>

namespace
{
class SideBarInputTest : public SideBarTest
{
protected:
    POINT TitleOf(int nGroup) const { return ClientCentre(m_sideBar.GetGroup(nGroup)->GetTitleHitRect()); }
    POINT LinkOf(int nGroup, int nIndex) const { return ClientCentre(Item(nGroup, nIndex).GetHitRect()); }
    bool GroupHot(int nGroup) const { return m_sideBar.GetGroup(nGroup)->IsHot() != FALSE; }
    bool LinkHot(int nGroup, int nIndex) const { return Item(nGroup, nIndex).IsHot() != FALSE; }
    void Click(POINT pt)
    {
        Mouse(WM_LBUTTONDOWN, pt);
        Mouse(WM_LBUTTONUP, pt);
    }
};

TEST_F(SideBarInputTest, GroupTurnsHotFirstAndTheLinkFollowsAtTheNextMove)
{
    Mouse(WM_MOUSEMOVE, LinkOf(0, 1));
    EXPECT_TRUE(LinkHot(0, 1));
    Mouse(WM_MOUSEMOVE, TitleOf(1));
    EXPECT_TRUE(GroupHot(1));
    EXPECT_TRUE(LinkHot(0, 1));
    Mouse(WM_MOUSEMOVE, TitleOf(1));
    EXPECT_FALSE(LinkHot(0, 1));

    Mouse(WM_MOUSEMOVE, LinkOf(1, 0));
    EXPECT_FALSE(GroupHot(1));
    EXPECT_FALSE(LinkHot(1, 0));
    Mouse(WM_MOUSEMOVE, LinkOf(1, 0));
    EXPECT_TRUE(LinkHot(1, 0));
}

TEST_F(SideBarInputTest, PressOnATitleTogglesItAndTheReleaseRunsNothing)
{
    Mouse(WM_MOUSEMOVE, TitleOf(0));
    Mouse(WM_LBUTTONDOWN, TitleOf(0));
    EXPECT_TRUE(m_sideBar.IsGroupCollapsed(0));
    EXPECT_TRUE(IsInvalid());
    Mouse(WM_LBUTTONUP, TitleOf(0));
    EXPECT_EQ(TakeCommand(), 0u);
    Click(TitleOf(0));
    EXPECT_FALSE(m_sideBar.IsGroupCollapsed(0));
}

TEST_F(SideBarInputTest, ReleaseOverAHotLinkPostsItsCommandAfterAPressAnywhere)
{
    Mouse(WM_LBUTTONDOWN, POINT{2, 2});
    Mouse(WM_MOUSEMOVE, LinkOf(1, 0));
    Mouse(WM_LBUTTONUP, LinkOf(1, 0));
    EXPECT_EQ(TakeCommand(), kThirdLink);
    EXPECT_EQ(TakeCommand(), 0u);
}

// The hot link lags one move behind when the pointer jumps onto a title bar: clicking that
// title must not run the link left behind.
TEST_F(SideBarInputTest, ClickOnATitleRightAfterALinkRunsNoCommand)
{
    Mouse(WM_MOUSEMOVE, LinkOf(0, 1));
    Mouse(WM_MOUSEMOVE, TitleOf(1));
    Click(TitleOf(1));
    EXPECT_TRUE(m_sideBar.IsGroupCollapsed(1));
    EXPECT_EQ(TakeCommand(), 0u);
}

TEST_F(SideBarInputTest, LinksOfACollapsedGroupAreNeverHot)
{
    const POINT ptLink = LinkOf(0, 0);
    m_sideBar.ExpandGroup(0, 0);
    Mouse(WM_MOUSEMOVE, ptLink);
    Mouse(WM_MOUSEMOVE, ptLink);
    EXPECT_FALSE(LinkHot(0, 0));
    Mouse(WM_LBUTTONUP, ptLink);
    EXPECT_EQ(TakeCommand(), 0u);
}

TEST_F(SideBarInputTest, CursorIsTheHandOverHotThingsOnly)
{
    ASSERT_NE(HandCursor(), nullptr);
    EXPECT_EQ(CursorOverClient(), ::LoadCursorA(nullptr, IDC_ARROW));
    Mouse(WM_MOUSEMOVE, TitleOf(0));
    EXPECT_EQ(CursorOverClient(), HandCursor());
    Mouse(WM_MOUSEMOVE, LinkOf(0, 1));
    Mouse(WM_MOUSEMOVE, LinkOf(0, 1));
    EXPECT_EQ(CursorOverClient(), HandCursor());
    // Into the edit row below: the side bar sees no move there, the link stays hot, and
    // still the edit's own cursor must win.
    HWND hEdit = EditWindow();
    ::SendMessageA(hEdit, WM_SETCURSOR, reinterpret_cast<WPARAM>(hEdit), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_IBEAM));
}

TEST_F(SideBarInputTest, ScrollBarAppearsOnlyWhenContentIsTallerThanTheWindow)
{
    const int nContent =
        10 + m_sideBar.GetGroup(0)->GetHeight() + 10 + m_sideBar.GetGroup(1)->GetHeight() + 10;
    for (int nHeight : {nContent, nContent - 1, nContent})
    {
        Resize(nHeight);
        EXPECT_EQ(HasScrollBar(), nHeight < nContent) << nHeight;
    }
}

struct ScrollCase
{
    WORD code;
    int thumb;
    int delta; // from the start position 5, or the position itself for absolute codes
    bool absolute;
};

TEST_F(SideBarInputTest, ScrollCodesMoveByPixelsRowsOrToTheEnds)
{
    Resize(120);
    ASSERT_TRUE(HasScrollBar());
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE;
    ::GetScrollInfo(m_hBar, SB_VERT, &si);
    const int nLimit = si.nMax - static_cast<int>(si.nPage) + 1;
    const ScrollCase cases[] = {
        {SB_LINEUP, 0, -1, false},
        {SB_LINEDOWN, 0, 1, false},
        {SB_PAGEUP, 0, -RowHeight(), false},
        {SB_PAGEDOWN, 0, RowHeight(), false},
        {SB_THUMBTRACK, 17, 17, true},
        {SB_THUMBPOSITION, 23, 23, true},
        {SB_TOP, 40, 0, true},
        {SB_BOTTOM, 0, nLimit, true},
        {SB_ENDSCROLL, 40, 0, false},
        {SB_THUMBTRACK, 10000, nLimit, true},
    };
    for (const ScrollCase& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "code " << c.code << ", thumb " << c.thumb);
        ::SetScrollPos(m_hBar, SB_VERT, 5, FALSE);
        ::SendMessageA(m_hBar, WM_VSCROLL, MAKEWPARAM(c.code, c.thumb), 0);
        EXPECT_EQ(m_sideBar.GetScrollPosition(), c.absolute ? c.delta : std::max(5 + c.delta, 0));
    }
}

TEST_F(SideBarInputTest, PaintingHitTestingAndEditWindowsFollowTheScrollPosition)
{
    Resize(120);
    RECT rcBefore{};
    ::GetWindowRect(EditWindow(), &rcBefore);
    const COLORREF crBand = Pixel(100, 11);
    ::SendMessageA(m_hBar, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
    Paint();
    const int nPos = RowHeight();
    ASSERT_EQ(m_sideBar.GetScrollPosition(), nPos);
    RECT rcAfter{};
    ::GetWindowRect(EditWindow(), &rcAfter);
    EXPECT_EQ(rcAfter.top, rcBefore.top - nPos);
    EXPECT_EQ(Pixel(100, 11 - nPos + TitleHeight() - 2), crBand);
    Mouse(WM_MOUSEMOVE, LinkOf(0, 1));
    Mouse(WM_MOUSEMOVE, LinkOf(0, 1));
    EXPECT_TRUE(LinkHot(0, 1));
}

TEST_F(SideBarInputTest, EditWindowFillsItsRowAndHidesWithItsGroup)
{
    RECT rcEdit{};
    ::GetWindowRect(EditWindow(), &rcEdit);
    ::MapWindowPoints(nullptr, m_hBar, reinterpret_cast<POINT*>(&rcEdit), 2);
    const int nRowTop = 10 + TitleHeight() + 2 * RowHeight();
    const RECT rcExpected{11, nRowTop, kBarWidth - 11, nRowTop + RowHeight() - 2};
    EXPECT_TRUE(::EqualRect(&rcEdit, &rcExpected));
    EXPECT_TRUE(::IsWindowVisible(EditWindow()));
    m_sideBar.ExpandGroup(0, 0);
    Paint();
    EXPECT_FALSE(::IsWindowVisible(EditWindow()));
    m_sideBar.ExpandGroup(0, 1);
    Paint();
    EXPECT_TRUE(::IsWindowVisible(EditWindow()));
}
// Content added since the last paint is laid out by the first hit test that needs it, exactly
// where the next paint puts it: a click lands on a link that was never drawn.
TEST_F(SideBarInputTest, HitTestingLaysOutContentThatWasNeverPainted)
{
    ASSERT_EQ(m_sideBar.AddGroup("Groupe C"), 2);
    ASSERT_TRUE(m_sideBar.AddItem(2, "Nouveau lien", 103, SIDEBAR_ITEM_LINK));
    m_sideBar.ExpandGroup(0, 0);
    ASSERT_TRUE(IsInvalid());
    Mouse(WM_MOUSEMOVE, POINT{0, 0});
    const RECT rcLaidOut = Item(2, 0).GetHitRect();
    ASSERT_FALSE(::IsRectEmpty(&rcLaidOut));
    // Group A collapsed: group C moved up by A's three rows.
    EXPECT_LT(rcLaidOut.top, 10 + TitleHeight() + 10 + TitleHeight() + RowHeight() + 10 + TitleHeight() + 2);
    Mouse(WM_MOUSEMOVE, ClientCentre(rcLaidOut));
    Mouse(WM_MOUSEMOVE, ClientCentre(rcLaidOut));
    EXPECT_TRUE(LinkHot(2, 0));
    Click(ClientCentre(rcLaidOut));
    EXPECT_EQ(TakeCommand(), 103u);

    Paint();
    const RECT rcPainted = Item(2, 0).GetHitRect();
    EXPECT_TRUE(::EqualRect(&rcPainted, &rcLaidOut));
}
} // namespace
