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
};

TEST_F(SideBarInputTest, PaintGivesEveryLinkAHitRectangleAndEditRowsNone)
{
    EXPECT_FALSE(::IsRectEmpty(&m_sideBar.GetGroup(0)->GetTitleHitRect()));
    EXPECT_FALSE(::IsRectEmpty(&Item(0, 0).GetHitRect()));
    EXPECT_FALSE(::IsRectEmpty(&Item(1, 0).GetHitRect()));
    EXPECT_TRUE(::IsRectEmpty(&Item(0, 2).GetHitRect()));
}

TEST_F(SideBarInputTest, GroupTurnsHotFirstAndTheLinkFollowsAtTheNextMove)
{
    MouseMove(LinkOf(0, 1));
    EXPECT_TRUE(LinkHot(0, 1));
    MouseMove(TitleOf(1));
    EXPECT_TRUE(GroupHot(1));
    EXPECT_TRUE(LinkHot(0, 1));
    MouseMove(TitleOf(1));
    EXPECT_FALSE(LinkHot(0, 1));

    MouseMove(LinkOf(1, 0));
    EXPECT_FALSE(GroupHot(1));
    EXPECT_FALSE(LinkHot(1, 0));
    MouseMove(LinkOf(1, 0));
    EXPECT_TRUE(LinkHot(1, 0));
}

TEST_F(SideBarInputTest, PressOnATitleTogglesItAndTheReleaseDoesNothing)
{
    MouseMove(TitleOf(0));
    Press(TitleOf(0));
    EXPECT_TRUE(m_sideBar.IsGroupCollapsed(0));
    EXPECT_TRUE(IsInvalid());
    Release(TitleOf(0));
    EXPECT_EQ(TakeCommand(), 0u);
    Press(TitleOf(0));
    EXPECT_FALSE(m_sideBar.IsGroupCollapsed(0));
}

TEST_F(SideBarInputTest, ReleaseOverAHotLinkPostsItsCommandToTheTopLevelWindow)
{
    Press(POINT{2, 2});
    MouseMove(LinkOf(1, 0));
    Release(LinkOf(1, 0));
    EXPECT_EQ(TakeCommand(), kThirdLink);
    EXPECT_EQ(TakeCommand(), 0u);
}

// The hot link lags one move behind when the pointer jumps onto a title bar: clicking that
// title must not run the link left behind.
TEST_F(SideBarInputTest, ClickOnATitleRightAfterALinkRunsNoCommand)
{
    MouseMove(LinkOf(0, 1));
    MouseMove(TitleOf(1));
    Press(TitleOf(1));
    Release(TitleOf(1));
    EXPECT_TRUE(m_sideBar.IsGroupCollapsed(1));
    EXPECT_EQ(TakeCommand(), 0u);
}

TEST_F(SideBarInputTest, LinksOfACollapsedGroupAreNeverHot)
{
    const POINT ptLink = LinkOf(0, 0);
    m_sideBar.ExpandGroup(0, 0);
    MouseMove(ptLink);
    MouseMove(ptLink);
    EXPECT_FALSE(LinkHot(0, 0));
    Release(ptLink);
    EXPECT_EQ(TakeCommand(), 0u);
}

TEST_F(SideBarInputTest, CursorIsTheHandOverHotThingsOnly)
{
    ASSERT_NE(HandCursor(), nullptr);
    MouseMove(POINT{2, 2});
    EXPECT_EQ(CursorOverClient(), ::LoadCursorA(nullptr, IDC_ARROW));
    MouseMove(LinkOf(0, 0));
    EXPECT_EQ(CursorOverClient(), HandCursor());
    MouseMove(TitleOf(0));
    EXPECT_EQ(CursorOverClient(), HandCursor());
}

// The pointer goes from a link straight into an edit row: the side bar sees no move there, and
// the edit's own cursor must win.
TEST_F(SideBarInputTest, EditRowKeepsItsCursorWhileALinkIsStillHot)
{
    MouseMove(LinkOf(0, 1));
    MouseMove(LinkOf(0, 1));
    HWND hEdit = static_cast<CSideBarEditItem&>(Item(0, 2)).GetEditWindow();
    ::SendMessageA(hEdit, WM_SETCURSOR, reinterpret_cast<WPARAM>(hEdit), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_IBEAM));
}

TEST_F(SideBarInputTest, ScrollBarAppearsOnlyWhenContentIsTallerThanTheWindow)
{
    const int nContent =
        10 + m_sideBar.GetGroup(0)->GetHeight() + 10 + m_sideBar.GetGroup(1)->GetHeight() + 10;
    Resize(nContent);
    EXPECT_FALSE(HasScrollBar());
    Resize(nContent - 1);
    EXPECT_TRUE(HasScrollBar());
    Resize(nContent);
    EXPECT_FALSE(HasScrollBar());
}

struct ScrollCase
{
    const char* name;
    WORD code;
    int thumb;
    int delta; // from the start position 5, or from 0 for the absolute codes below
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
        {"line up", SB_LINEUP, 0, -1, false},
        {"line down", SB_LINEDOWN, 0, 1, false},
        {"page up", SB_PAGEUP, 0, -RowHeight(), false},
        {"page down", SB_PAGEDOWN, 0, RowHeight(), false},
        {"thumb track", SB_THUMBTRACK, 17, 17, true},
        {"thumb position", SB_THUMBPOSITION, 23, 23, true},
        {"top", SB_TOP, 40, 0, true},
        {"bottom", SB_BOTTOM, 0, nLimit, true},
        {"end scroll", SB_ENDSCROLL, 40, 0, false},
        {"beyond the end", SB_THUMBTRACK, 10000, nLimit, true},
    };
    for (const ScrollCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        ::SetScrollPos(m_hBar, SB_VERT, 5, FALSE);
        ::SendMessageA(m_hBar, WM_VSCROLL, MAKEWPARAM(c.code, c.thumb), 0);
        EXPECT_EQ(m_sideBar.GetScrollPosition(), c.absolute ? c.delta : std::max(5 + c.delta, 0));
    }
}

TEST_F(SideBarInputTest, PaintingAndEditWindowsFollowTheScrollPosition)
{
    Resize(120);
    HWND hEdit = static_cast<CSideBarEditItem&>(Item(0, 2)).GetEditWindow();
    RECT rcBefore{};
    ::GetWindowRect(hEdit, &rcBefore);
    const COLORREF crBand = Pixel(100, 11);
    ::SendMessageA(m_hBar, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
    Paint();
    const int nPos = RowHeight();
    ASSERT_EQ(m_sideBar.GetScrollPosition(), nPos);
    RECT rcAfter{};
    ::GetWindowRect(hEdit, &rcAfter);
    EXPECT_EQ(rcAfter.top, rcBefore.top - nPos);
    EXPECT_EQ(rcAfter.left, rcBefore.left);
    EXPECT_EQ(Pixel(100, 11 - nPos + TitleHeight() - 2), crBand);
    // A link's hit rectangle stays in content coordinates; the pointer finds it scrolled.
    MouseMove(ClientCentre(Item(0, 1).GetHitRect()));
    MouseMove(ClientCentre(Item(0, 1).GetHitRect()));
    EXPECT_TRUE(Item(0, 1).IsHot());
}

TEST_F(SideBarInputTest, EditWindowsHideWithTheirGroup)
{
    HWND hEdit = static_cast<CSideBarEditItem&>(Item(0, 2)).GetEditWindow();
    EXPECT_TRUE(::IsWindowVisible(hEdit));
    RECT rcEdit{};
    ::GetWindowRect(hEdit, &rcEdit);
    ::MapWindowPoints(nullptr, m_hBar, reinterpret_cast<POINT*>(&rcEdit), 2);
    const int nRowTop = 10 + TitleHeight() + 2 * RowHeight();
    EXPECT_EQ(rcEdit.left, 11);
    EXPECT_EQ(rcEdit.top, nRowTop);
    EXPECT_EQ(rcEdit.right, kBarWidth - 11);
    EXPECT_EQ(rcEdit.bottom, nRowTop + RowHeight() - 2);
    m_sideBar.ExpandGroup(0, 0);
    Paint();
    EXPECT_FALSE(::IsWindowVisible(hEdit));
    m_sideBar.ExpandGroup(0, 1);
    Paint();
    EXPECT_TRUE(::IsWindowVisible(hEdit));
}
} // namespace
