// ApplyInterface on a real main window: the side bar shown or hidden with the window's width,
// the topmost toggle, the ring controls, the opacity and the first-run question.
#include "main_dlg_fixture.h"

namespace
{
constexpr int kSideBarWidth = 180;

int WindowWidth(HWND hWnd)
{
    RECT rc{};
    ::GetWindowRect(hWnd, &rc);
    return rc.right - rc.left;
}

bool HasStyle(HWND hWnd, LONG bit)
{
    return (::GetWindowLongA(hWnd, GWL_STYLE) & bit) != 0;
}

class MainInterfaceTest : public MainDlgTest, public ::testing::WithParamInterface<UINT>
{
protected:
    bool SideBarShown() const { return HasStyle(Item(IDC_SIDEBAR), WS_VISIBLE); }
};

TEST_P(MainInterfaceTest, HiddenSideBarTakes180PixelsOffTheWidth)
{
    Open(GetParam());
    const int fullWidth = WindowWidth(m_hDlg);
    RECT shown{};
    ::GetWindowRect(m_hDlg, &shown);
    EXPECT_TRUE(SideBarShown());
    Close();

    m_settings.m_bShowSideBar = FALSE;
    Open(GetParam());
    EXPECT_EQ(WindowWidth(m_hDlg), fullWidth - kSideBarWidth);
    EXPECT_FALSE(SideBarShown());

    RECT before{};
    ::GetWindowRect(m_hDlg, &before);
    const bool expectShown[] = {true, false, true};
    for (bool bShown : expectShown)
    {
        Command(ID_TOGGLE_SIDEBAR);
        EXPECT_EQ(m_settings.m_bShowSideBar, bShown ? TRUE : FALSE);
        EXPECT_EQ(SideBarShown(), bShown);
        EXPECT_EQ(WindowWidth(m_hDlg), bShown ? fullWidth : fullWidth - kSideBarWidth);
        RECT now{};
        ::GetWindowRect(m_hDlg, &now);
        EXPECT_EQ(now.left, before.left);
        EXPECT_EQ(now.top, before.top);
    }
}

TEST_P(MainInterfaceTest, TopmostToggleRebuildsTheSideBarKeepingCollapsedGroups)
{
    Open(GetParam());
    SideBar().ExpandGroup(2, 0);
    TypeField(IDC_CALC_U, "12");
    const struct
    {
        BOOL topmost;
        const char* label;
    } steps[] = {{TRUE, "Enlever du premier plan"}, {FALSE, "Afficher au premier plan"}};
    for (const auto& step : steps)
    {
        Command(ID_TOPMOST);
        EXPECT_EQ(m_settings.m_bTopmost, step.topmost);
        // WS_EX_TOPMOST is not checked: Wine leaves it off a window that owns tool tips.
        EXPECT_EQ(SideBar().GetItemText(1, ID_TOPMOST), step.label);
        EXPECT_TRUE(SideBar().IsGroupCollapsed(2));
        EXPECT_FALSE(SideBar().IsGroupCollapsed(0));
        EXPECT_EQ(Field(IDC_CALC_U), "");
    }
}

// The side bar is left as it is: the calculator keeps what was typed into it.
TEST_P(MainInterfaceTest, RingCountShowsItsControlsOnly)
{
    Open(GetParam());
    TypeField(IDC_CALC_U, "12");
    const CSideBarGroup* pCalcs = SideBar().GetGroup(2);
    const struct
    {
        UINT command;
        bool third;
        bool tempCo;
    } cases[] = {{ID_RINGS_4, false, false},
                 {ID_RINGS_5, true, false},
                 {ID_RINGS_6, true, true},
                 {ID_RINGS_4, false, false}};
    for (const auto& c : cases)
    {
        Command(c.command);
        EXPECT_EQ(HasStyle(Item(IDC_BANDE3), WS_VISIBLE), c.third) << c.command;
        EXPECT_EQ(HasStyle(Item(IDC_BANDE6), WS_VISIBLE), c.tempCo) << c.command;
        EXPECT_EQ(HasStyle(Item(IDC_TEMPCO), WS_VISIBLE), c.tempCo) << c.command;
        EXPECT_EQ(SideBar().GetGroup(2), pCalcs);
        EXPECT_EQ(Field(IDC_CALC_U), "12");
    }
}

TEST_P(MainInterfaceTest, ApplyAllShowsOnlyTheSelectorsInUse)
{
    m_settings.m_nRingMode = 1;
    Open(GetParam());
    m_dlg->ApplyInterface(APPLY_ALL);
    const bool shown[] = {true, true, true, true, true, false};
    for (int slot = 0; slot < 6; ++slot)
        EXPECT_EQ(HasStyle(Item(IDC_BANDE1 + slot), WS_VISIBLE), shown[slot]) << slot;
    EXPECT_FALSE(HasStyle(Item(IDC_TEMPCO), WS_VISIBLE));
}

INSTANTIATE_TEST_SUITE_P(Layouts, MainInterfaceTest,
                         ::testing::Values(IDD_MAIN_VERTICAL, IDD_MAIN_HORIZONTAL));

struct OpacityCase
{
    int stored;
    BYTE alpha;
};

class MainOpacityTest : public MainDlgTest, public ::testing::WithParamInterface<OpacityCase>
{
};

// Only the low 8 bits count, and the window never goes below a tenth of full opacity.
TEST_P(MainOpacityTest, AppliesTheStoredTransparency)
{
    m_settings.m_nTransparency = GetParam().stored;
    Open();
    EXPECT_NE(::GetWindowLongA(m_hDlg, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(m_hDlg, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, GetParam().alpha);
    EXPECT_EQ(m_settings.m_nTransparency, GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Values, MainOpacityTest,
                         ::testing::Values(OpacityCase{100, 255}, OpacityCase{300, 112}, OpacityCase{50, 127},
                                           OpacityCase{10, 25}, OpacityCase{9, 25}, OpacityCase{0, 25},
                                           OpacityCase{256, 25}, OpacityCase{200, 255}));

// Answers every message box of this thread, as a user would, and counts them.
int g_nAnswered = 0;
WPARAM g_answer = IDNO;

BOOL CALLBACK AnswerMessageBox(HWND hWnd, LPARAM)
{
    char szClass[16] = {};
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    if (std::string(szClass) == "#32770" && CWnd::FromHandle(hWnd) == nullptr && ::IsWindowVisible(hWnd))
    {
        ++g_nAnswered;
        ::PostMessageA(hWnd, WM_COMMAND, g_answer, 0);
    }
    return TRUE;
}

class FirstRunTest : public MainDlgTest, public ::testing::WithParamInterface<WPARAM>
{
protected:
    void TearDown() override
    {
        ::KillTimer(nullptr, m_timer);
        MainDlgTest::TearDown();
    }
    UINT_PTR m_timer = 0;
};

TEST_P(FirstRunTest, AskedOnceWhateverTheAnswer)
{
    g_nAnswered = 0;
    g_answer = GetParam();
    m_timer = ::SetTimer(nullptr, 0, 20,
                         [](HWND, UINT, UINT_PTR, DWORD)
                         { ::EnumThreadWindows(::GetCurrentThreadId(), AnswerMessageBox, 0); });
    ASSERT_NE(m_timer, 0u);
    m_settings.m_bFirstRun = TRUE;
    Open();
    EXPECT_EQ(g_nAnswered, 1);
    EXPECT_EQ(m_settings.m_bFirstRun, FALSE);
    Close();
    Open();
    EXPECT_EQ(g_nAnswered, 1);
}

INSTANTIATE_TEST_SUITE_P(Answers, FirstRunTest, ::testing::Values(WPARAM{IDNO}, WPARAM{IDYES}));
} // namespace
