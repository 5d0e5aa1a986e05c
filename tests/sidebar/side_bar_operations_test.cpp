// The side bar's operations: return values, missing groups and identifiers, repaints, and the
// edit rows' windows and notifications.
#include "side_bar_fixture.h"

namespace
{
using SideBarOperationsTest = SideBarTest;

struct AddItemCase
{
    int group;
    int kind;
    BOOL result;
    int rowsAdded;
};

TEST_F(SideBarOperationsTest, AddItemAddsOnlyKnownKindsToExistingGroups)
{
    const AddItemCase cases[] = {
        {1, SIDEBAR_ITEM_LINK, TRUE, 1},  {1, SIDEBAR_ITEM_EDIT, TRUE, 1},   {1, 2, TRUE, 0},
        {2, SIDEBAR_ITEM_LINK, FALSE, 0}, {-1, SIDEBAR_ITEM_LINK, FALSE, 0},
    };
    for (const AddItemCase& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "group " << c.group << ", kind " << c.kind);
        Paint();
        const int nBefore = m_sideBar.GetGroup(1)->GetItemCount();
        EXPECT_EQ(m_sideBar.AddItem(c.group, "x", 300, c.kind), c.result);
        EXPECT_EQ(m_sideBar.GetGroup(1)->GetItemCount() - nBefore, c.rowsAdded);
        EXPECT_EQ(IsInvalid(), c.result != FALSE) << "repaints whenever the group exists";
    }
}

struct ExpandCase
{
    BOOL collapsedBefore;
    int flag;
    BOOL collapsedAfter;
};

TEST_F(SideBarOperationsTest, ExpandGroupChangesAndRepaintsOnlyForTheOtherState)
{
    const ExpandCase cases[] = {
        {FALSE, 1, FALSE}, {FALSE, 0, TRUE}, {TRUE, 1, FALSE}, {TRUE, 0, TRUE},
        {FALSE, 2, FALSE}, {TRUE, 2, TRUE},  {TRUE, -1, TRUE},
    };
    for (const ExpandCase& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "collapsed " << c.collapsedBefore << ", flag " << c.flag);
        m_sideBar.ExpandGroup(0, c.collapsedBefore ? 0 : 1);
        Paint();
        EXPECT_TRUE(m_sideBar.ExpandGroup(0, c.flag));
        EXPECT_EQ(m_sideBar.IsGroupCollapsed(0), c.collapsedAfter);
        EXPECT_EQ(IsInvalid(), c.collapsedBefore != c.collapsedAfter);
    }
    EXPECT_FALSE(m_sideBar.ExpandGroup(2, 0));
    EXPECT_FALSE(m_sideBar.IsGroupCollapsed(2));
}

TEST_F(SideBarOperationsTest, MissingGroupsAndIdentifiersGiveEmptyTextsAndChangeNothing)
{
    EXPECT_EQ(m_sideBar.GetItemText(1, kFirstLink), "");
    EXPECT_EQ(m_sideBar.GetItemText(5, kFirstLink), "");
    EXPECT_EQ(m_sideBar.GetItemText(-1, kFirstLink), "");
    Paint();
    m_sideBar.SetItemText(2, kFirstLink, "non");
    m_sideBar.SetItemColor(2, kFirstLink, RGB(1, 2, 3));
    m_sideBar.ResetItemColor(-1, kFirstLink);
    EXPECT_FALSE(IsInvalid());
    EXPECT_EQ(m_sideBar.GetItemText(0, kFirstLink), "Premier lien");
    // With one identifier twice, both take a new text and the last one is read.
    m_sideBar.AddItem(1, "Doublon", kThirdLink, SIDEBAR_ITEM_LINK);
    EXPECT_EQ(m_sideBar.GetItemText(1, kThirdLink), "Doublon");
    m_sideBar.SetItemText(1, kThirdLink, "Les deux");
    EXPECT_EQ(Item(1, 0).GetText(), "Les deux");
}

TEST_F(SideBarOperationsTest, EditRowIsAChildEditThatNotifiesBeforeSetItemTextReturns)
{
    HWND hEdit = EditWindow();
    ASSERT_NE(hEdit, nullptr);
    EXPECT_EQ(::GetParent(hEdit), m_hBar);
    EXPECT_EQ(::GetDlgCtrlID(hEdit), static_cast<int>(kEditRow));
    EXPECT_NE(::GetWindowLongA(hEdit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(::GetWindowLongA(hEdit, GWL_STYLE) & ES_AUTOHSCROLL, 0);
    EXPECT_EQ(m_sideBar.m_changes, std::vector<std::string>{""}) << "creation sets the text";
    m_sideBar.SetItemText(0, kEditRow, "4,7");
    EXPECT_EQ(m_sideBar.m_changes, (std::vector<std::string>{"", "4,7"}));
    EXPECT_EQ(m_sideBar.GetItemText(0, kEditRow), "4,7");
}

TEST_F(SideBarOperationsTest, RemoveAllGroupsDestroysTheEditWindowsAndForgetsHotRows)
{
    HWND hEdit = EditWindow();
    Mouse(WM_MOUSEMOVE, ClientCentre(Item(0, 0).GetHitRect()));
    m_sideBar.RemoveAllGroups();
    EXPECT_FALSE(::IsWindow(hEdit));
    EXPECT_EQ(m_sideBar.GetGroupCount(), 0);
    EXPECT_NE(CursorOverClient(), HandCursor());
}
// A paste of any length into an edit row answers at once and keeps no more than a number needs.
TEST_F(SideBarOperationsTest, LongPasteIntoAnEditRowIsCutAtItsLimit)
{
    const std::string strPaste(1 << 20, '7');
    ::SendMessageA(EditWindow(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(strPaste.c_str()));
    const std::string strKept = WindowText(EditWindow());
    EXPECT_FALSE(strKept.empty());
    EXPECT_LE(strKept.size(), 64u);
    EXPECT_EQ(strKept.find_first_not_of('7'), std::string::npos);
}
} // namespace
