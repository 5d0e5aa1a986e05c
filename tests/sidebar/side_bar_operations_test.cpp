// The side bar's operations: return values, missing groups and identifiers, repaints, heights
// and the edit rows' windows and notifications.
#include "side_bar_fixture.h"

namespace
{
class SideBarOperationsTest : public SideBarTest
{
};

struct AddItemCase
{
    int group;
    int kind;
    BOOL result;
    int rowsAdded;
    bool repaints;
};

TEST_F(SideBarOperationsTest, AddItemAddsOnlyKnownKindsToExistingGroups)
{
    const AddItemCase cases[] = {
        {1, SIDEBAR_ITEM_LINK, TRUE, 1, true},
        {1, SIDEBAR_ITEM_EDIT, TRUE, 1, true},
        {1, 2, TRUE, 0, true},
        {2, SIDEBAR_ITEM_LINK, FALSE, 0, false},
        {-1, SIDEBAR_ITEM_LINK, FALSE, 0, false},
    };
    for (const AddItemCase& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "group " << c.group << ", kind " << c.kind);
        Paint();
        const int nBefore = m_sideBar.GetGroup(1)->GetItemCount();
        EXPECT_EQ(m_sideBar.AddItem(c.group, "x", 300, c.kind), c.result);
        EXPECT_EQ(m_sideBar.GetGroup(1)->GetItemCount() - nBefore, c.rowsAdded);
        EXPECT_EQ(IsInvalid(), c.repaints);
    }
}

struct ExpandCase
{
    BOOL collapsedBefore;
    int flag;
    BOOL collapsedAfter;
    bool repaints;
};

TEST_F(SideBarOperationsTest, ExpandGroupChangesOnlyTheOtherState)
{
    const ExpandCase cases[] = {
        {FALSE, 1, FALSE, false}, {FALSE, 0, TRUE, true}, {TRUE, 1, FALSE, true},  {TRUE, 0, TRUE, false},
        {FALSE, 2, FALSE, false}, {TRUE, 2, TRUE, false}, {TRUE, -1, TRUE, false},
    };
    for (const ExpandCase& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "collapsed " << c.collapsedBefore << ", flag " << c.flag);
        m_sideBar.ExpandGroup(0, c.collapsedBefore ? 0 : 1);
        Paint();
        EXPECT_TRUE(m_sideBar.ExpandGroup(0, c.flag));
        EXPECT_EQ(m_sideBar.IsGroupCollapsed(0), c.collapsedAfter);
        EXPECT_EQ(IsInvalid(), c.repaints);
    }
    EXPECT_FALSE(m_sideBar.ExpandGroup(2, 0));
    EXPECT_FALSE(m_sideBar.IsGroupCollapsed(2));
}

TEST_F(SideBarOperationsTest, HeightCountsRowsOnlyWhileOpenAndFollowsTheStyle)
{
    for (int nStyle : {SIDEBAR_STYLE_CLASSIC, SIDEBAR_STYLE_XP})
    {
        m_sideBar.SetDrawStyle(nStyle);
        EXPECT_EQ(m_sideBar.GetGroup(0)->GetHeight(), TitleHeight() + 3 * RowHeight());
        m_sideBar.ExpandGroup(0, 0);
        EXPECT_EQ(m_sideBar.GetGroup(0)->GetHeight(), TitleHeight());
        m_sideBar.ExpandGroup(0, 1);
    }
}

TEST_F(SideBarOperationsTest, TextOfMissingGroupOrIdentifierIsEmpty)
{
    EXPECT_EQ(m_sideBar.GetItemText(0, kSecondLink), "Second lien");
    EXPECT_EQ(m_sideBar.GetItemText(1, kFirstLink), "");
    EXPECT_EQ(m_sideBar.GetItemText(5, kFirstLink), "");
    EXPECT_EQ(m_sideBar.GetItemText(-1, kFirstLink), "");
    m_sideBar.AddItem(1, "Doublon", kThirdLink, SIDEBAR_ITEM_LINK);
    EXPECT_EQ(m_sideBar.GetItemText(1, kThirdLink), "Doublon");
    m_sideBar.SetItemText(1, kThirdLink, "Les deux");
    EXPECT_EQ(Item(1, 0).GetText(), "Les deux");
}

TEST_F(SideBarOperationsTest, OperationsOnAMissingGroupDoNothing)
{
    Paint();
    m_sideBar.SetItemText(2, kFirstLink, "non");
    m_sideBar.SetItemColor(2, kFirstLink, RGB(1, 2, 3));
    m_sideBar.ResetItemColor(-1, kFirstLink);
    EXPECT_FALSE(IsInvalid());
    EXPECT_EQ(m_sideBar.GetItemText(0, kFirstLink), "Premier lien");
}

TEST_F(SideBarOperationsTest, EditRowIsAPlainChildEditWithTheRowIdentifier)
{
    auto& edit = static_cast<CSideBarEditItem&>(Item(0, 2));
    HWND hEdit = edit.GetEditWindow();
    ASSERT_NE(hEdit, nullptr);
    EXPECT_EQ(::GetParent(hEdit), m_hBar);
    EXPECT_EQ(::GetDlgCtrlID(hEdit), static_cast<int>(kEditRow));
    EXPECT_NE(::GetWindowLongA(hEdit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(::GetWindowLongA(hEdit, GWL_STYLE) & ES_AUTOHSCROLL, 0);
    // Creation itself set the (empty) text, which notified the side bar.
    ASSERT_EQ(m_sideBar.m_changes.size(), 1u);
    EXPECT_EQ(m_sideBar.m_changes[0].id, kEditRow);
}

TEST_F(SideBarOperationsTest, SetItemTextOnAnEditRowNotifiesBeforeItReturns)
{
    m_sideBar.m_changes.clear();
    m_sideBar.SetItemText(0, kEditRow, "4,7");
    ASSERT_EQ(m_sideBar.m_changes.size(), 1u);
    EXPECT_EQ(m_sideBar.m_changes[0].id, kEditRow);
    EXPECT_EQ(m_sideBar.m_changes[0].text, "4,7");
    EXPECT_EQ(m_sideBar.GetItemText(0, kEditRow), "4,7");
}

TEST_F(SideBarOperationsTest, RemoveAllGroupsDestroysTheEditWindowsAndForgetsHotRows)
{
    HWND hEdit = static_cast<CSideBarEditItem&>(Item(0, 2)).GetEditWindow();
    MouseMove(ClientCentre(Item(0, 0).GetHitRect()));
    m_sideBar.RemoveAllGroups();
    EXPECT_FALSE(::IsWindow(hEdit));
    EXPECT_EQ(m_sideBar.GetGroupCount(), 0);
    EXPECT_NE(CursorOverClient(), HandCursor());
    EXPECT_EQ(m_sideBar.AddGroup("Neuf"), 0);
}
} // namespace
