// The command layer of the main window: what each identifier does from whichever source, the
// hot keys, the context menu's checks, keys in the window's own modal loop, and the topmost band.
#include "main_dlg_fixture.h"
#include "modal_step.h"

#include "framework/clipboard.h"
#include "framework/command_ids.h"
#include "framework/scopes.h"
#include "framework/winapp.h"
#include "mainwnd/main_window_host.h"

#include <string>
#include <vector>

namespace
{
class CFakeHost final : public IMainWindowHost
{
public:
    virtual ~CFakeHost() = default;
    void SelectLanguage(const std::string&) override {}
    void UnloadLanguage() override {}
    void RunMainWindow() override {}
    void ShowOptions(CMainDlg&) override { m_calls.push_back("options"); }
    void ShowAbout(HWND) override { m_calls.push_back("about"); }
    void StartQuiz(HWND) override { m_calls.push_back("quiz"); }
    void LaunchUpdateTool(HWND) override { m_calls.push_back("update"); }
    void OpenWebPage(HWND) override { m_calls.push_back("web"); }
    std::vector<std::string> m_calls;
};

class CFakeApp : public CWinApp
{
public:
    void InitInstance() override {}
    bool OnCmdMsg(UINT id) override
    {
        m_commands.push_back(id);
        return true;
    }
    std::vector<UINT> m_commands;
};

class MainCommandsTest : public MainDlgTest
{
protected:
    void OpenWithHost()
    {
        m_host.m_calls.clear();
        m_app.m_commands.clear();
        m_settings.m_nRingMode = kRingMode5;
        Open();
        m_dlg->SetHost(&m_host);
        MoveRings({5, 8, 1, 4, 2, 2});
        ::OpenClipboard(nullptr);
        ::EmptyClipboard();
        ::CloseClipboard();
    }

    // Sends the message and answers whatever modal window it opens (a menu gives its first
    // command, a dialog is cancelled); what it did comes back as a short text, "" for nothing.
    std::string Run(UINT message, WPARAM wParam, LPARAM lParam)
    {
        const BOOL bTopmost = m_settings.m_bTopmost;
        const int nRingMode = m_settings.m_nRingMode;
        const BOOL bSideBar = m_settings.m_bShowSideBar;
        std::string strEffects;
        CModalStep step(
            [&]
            {
                if (HWND hMenuWnd = FindThreadWindow("#32768", nullptr))
                {
                    auto hMenu = reinterpret_cast<HMENU>(::SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0));
                    strEffects += "menu:" + std::to_string(::GetMenuItemID(hMenu, 0)) + " ";
                    ::EndMenu();
                    return true;
                }
                if (HWND hBox = FindThreadWindow("#32770", m_hDlg))
                {
                    strEffects += "dialog ";
                    ::PostMessageA(hBox, WM_COMMAND, IDCANCEL, 0);
                    return true;
                }
                return false;
            });
        ::SendMessageA(m_hDlg, message, wParam, lParam);
        PumpMessages();
        for (const std::string& call : m_host.m_calls)
            strEffects += "host:" + call + " ";
        for (UINT id : m_app.m_commands)
            strEffects += "app:" + std::to_string(id) + " ";
        if (::IsClipboardFormatAvailable(CF_TEXT))
            strEffects += "clipboard:text ";
        if (::IsClipboardFormatAvailable(CF_BITMAP))
            strEffects += "clipboard:bitmap ";
        if (m_settings.m_bTopmost != bTopmost)
            strEffects += "topmost:" + std::to_string(m_settings.m_bTopmost) + " ";
        if (m_settings.m_nRingMode != nRingMode)
            strEffects += "rings:" + std::to_string(m_settings.m_nRingMode) + " ";
        if (m_settings.m_bShowSideBar != bSideBar)
            strEffects += "sidebar:" + std::to_string(m_settings.m_bShowSideBar) + " ";
        if (!::IsWindow(m_hDlg))
            strEffects += "ended ";
        if (!strEffects.empty())
            strEffects.pop_back();
        return strEffects;
    }

    CFakeHost m_host;
    CFakeApp m_app;
};

struct RouteCase
{
    UINT id;
    const char* effects;
};

const RouteCase kRoutes[] = {
    {ID_COPY_VALUE, "clipboard:text"},
    {ID_COPY_PICTURE, "clipboard:bitmap"},
    {ID_SAVE_PICTURE, "dialog"},
    {ID_TOPMOST, "topmost:1"},
    {ID_RINGS_4, "rings:0"},
    {ID_RINGS_5, ""},
    {ID_RINGS_6, "rings:2"},
    {ID_OPTIONS, "host:options"},
    {ID_OPTIONS_OTHER, "host:options"},
    {ID_QUIZ, "host:quiz"},
    {ID_TOGGLE_SIDEBAR, "sidebar:0"},
    {ID_UPDATE_TOOL, "host:update"},
    {ID_WEB_PAGE, "host:web"},
    {ID_APP_ABOUT, "host:about"},
    {ID_HELP_INDEX, "app:57666"},
    {ID_HELP, "app:57670"},
    {ID_COPY_MENU, "menu:133"},
    {ID_SUPPORT_MENU, "menu:57666"},
    {ID_SUPPORT_MENU_OTHER, "menu:57666"},
    {ID_PRINT_MENU, "menu:32783"},
    {ID_QUIT, "ended"},
    {ID_RESERVED_528, ""},
    {ID_RESERVED_32771, ""},
};

TEST_F(MainCommandsTest, EachCommandDoesWhatItsTableLineSays)
{
    for (const RouteCase& c : kRoutes)
    {
        OpenWithHost();
        EXPECT_EQ(Run(WM_COMMAND, c.id, 0), c.effects) << c.id;
        Close();
    }
}

TEST_F(MainCommandsTest, HotKeysRunTheSameCommandsAndOthersNothing)
{
    struct Case
    {
        UINT idHotKey;
        UINT idCommand; // 0: nothing happens
    };
    const Case cases[] = {{1, ID_RINGS_4},      {2, ID_RINGS_5},      {3, ID_RINGS_6}, {4, ID_COPY_VALUE},
                          {5, ID_COPY_PICTURE}, {6, ID_SAVE_PICTURE}, {0, 0},          {7, 0},
                          {0xBFFF, 0}};
    for (const Case& c : cases)
    {
        OpenWithHost();
        std::string expected;
        if (c.idCommand != 0)
        {
            expected = Run(WM_COMMAND, c.idCommand, 0);
            Close();
            OpenWithHost();
        }
        EXPECT_EQ(Run(WM_HOTKEY, c.idHotKey, 0), expected) << c.idHotKey;
        Close();
    }
}

struct ContextCase
{
    BOOL bShowSideBar;
    int nRingMode;
    BOOL bTopmost;
    std::vector<UINT> checked;
};

TEST_F(MainCommandsTest, ContextMenuChecksFollowTheSettingsWhateverWindowItNames)
{
    const ContextCase cases[] = {
        {FALSE, kRingMode5, FALSE, {ID_RINGS_5}},
        {FALSE, kRingMode5, TRUE, {ID_TOPMOST, ID_RINGS_5}},
        {TRUE, kRingMode4, FALSE, {ID_RINGS_4, ID_TOGGLE_SIDEBAR}},
        {TRUE, kRingMode6, TRUE, {ID_TOPMOST, ID_RINGS_6, ID_TOGGLE_SIDEBAR}},
        // A ring count outside the three checks none of them.
        {TRUE, 7, FALSE, {ID_TOGGLE_SIDEBAR}},
    };
    const UINT kCheckable[] = {ID_TOPMOST, ID_RINGS_4, ID_RINGS_5, ID_RINGS_6, ID_TOGGLE_SIDEBAR};
    OpenWithHost();
    for (int named : {0, IDC_VALUE, IDC_SIDEBAR})
    {
        for (const ContextCase& c : cases)
        {
            m_settings.m_bShowSideBar = c.bShowSideBar;
            m_settings.m_nRingMode = c.nRingMode;
            m_settings.m_bTopmost = c.bTopmost;
            std::vector<UINT> checked;
            UINT idDefault = 0;
            bool bAllOwnerDrawn = true;
            RECT rcMenu{};
            CModalStep step(
                [&]
                {
                    HWND hMenuWnd = FindThreadWindow("#32768", nullptr);
                    if (hMenuWnd == nullptr)
                        return false;
                    auto hMenu = reinterpret_cast<HMENU>(::SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0));
                    for (UINT id : kCheckable)
                    {
                        if ((::GetMenuState(hMenu, id, MF_BYCOMMAND) & MF_CHECKED) != 0)
                            checked.push_back(id);
                    }
                    idDefault = ::GetMenuDefaultItem(hMenu, FALSE, 0);
                    for (int pos = 0; pos < ::GetMenuItemCount(hMenu); ++pos)
                    {
                        MENUITEMINFOA mii{};
                        mii.cbSize = sizeof mii;
                        mii.fMask = MIIM_FTYPE;
                        ::GetMenuItemInfoA(hMenu, static_cast<UINT>(pos), TRUE, &mii);
                        bAllOwnerDrawn = bAllOwnerDrawn && (mii.fType & MFT_OWNERDRAW) != 0;
                    }
                    ::GetWindowRect(hMenuWnd, &rcMenu);
                    ::EndMenu();
                    return true;
                });
            HWND hNamed = named == 0 ? m_hDlg : Item(named);
            ::SendMessageA(m_hDlg, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hNamed), MAKELPARAM(200, 150));
            EXPECT_EQ(checked, c.checked) << named << " " << c.nRingMode;
            EXPECT_EQ(idDefault, static_cast<UINT>(ID_OPTIONS));
            EXPECT_TRUE(bAllOwnerDrawn);
            EXPECT_EQ(rcMenu.left, 200);
            EXPECT_EQ(rcMenu.top, 150);
        }
    }
}

// The window's own modal loop: Enter keeps it, Ctrl+C in the value box copies the resistance
// value rather than the box's selection, "Quitter" ends it with 1 and Escape with IDCANCEL.
TEST_F(MainCommandsTest, KeysInTheModalLoop)
{
    for (const bool bEscape : {false, true})
    {
        CMainDlg dlg(IDD_MAIN_VERTICAL, m_settings);
        int nStep = 0;
        bool bAliveAfterEnter = false;
        std::string strCopied;
        std::string strSummary;
        CModalStep step(
            [&]
            {
                HWND hDlg = dlg.GetSafeHwnd();
                if (hDlg == nullptr || !::IsWindowVisible(hDlg))
                    return false;
                HWND hValue = ::GetDlgItem(hDlg, IDC_VALUE);
                BYTE keys[256] = {};
                switch (nStep++)
                {
                case 0:
                    ::SetFocus(hValue);
                    ::SendMessageA(hValue, EM_SETSEL, 0, -1);
                    ::PostMessageA(hValue, WM_KEYDOWN, VK_RETURN, 1);
                    return false;
                case 1:
                    bAliveAfterEnter = ::IsWindowVisible(hDlg) != FALSE;
                    keys[VK_CONTROL] = 0x80;
                    ::SetKeyboardState(keys);
                    ::PostMessageA(hValue, WM_KEYDOWN, 'C', 1);
                    return false;
                case 2:
                    ::SetKeyboardState(keys);
                    strSummary = dlg.GetValueSummary();
                    {
                        CClipboard clipboard(nullptr);
                        CGlobalLock text(::GetClipboardData(CF_TEXT));
                        strCopied = text.get() != nullptr ? static_cast<const char*>(text.get()) : "";
                    }
                    if (bEscape)
                        ::PostMessageA(hValue, WM_KEYDOWN, VK_ESCAPE, 1);
                    else
                        ::PostMessageA(hDlg, WM_COMMAND, ID_QUIT, 0);
                    return true;
                default:
                    return true;
                }
            });
        EXPECT_EQ(dlg.DoModal(), bEscape ? IDCANCEL : IDOK);
        EXPECT_TRUE(bAliveAfterEnter);
        EXPECT_EQ(strCopied, strSummary);
        EXPECT_NE(strSummary, "");
    }
}

TEST_F(MainCommandsTest, TopmostTwiceGivesBackThePreviousStateAndAPlainWindowStaysBelow)
{
    for (const BOOL bAtStart : {TRUE, FALSE})
    {
        m_settings.m_bTopmost = bAtStart;
        OpenWithHost();
        ::ShowWindow(m_hDlg, SW_SHOWNOACTIVATE);
        for (const BOOL bExpected : {bAtStart, bAtStart == TRUE ? FALSE : TRUE, bAtStart})
        {
            HWND hPlain = ::CreateWindowExA(0, "STATIC", "plain", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                            nullptr, nullptr, nullptr, nullptr);
            ASSERT_NE(hPlain, nullptr);
            ::SetWindowPos(hPlain, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            EXPECT_EQ(m_settings.m_bTopmost, bExpected);
            EXPECT_EQ((::GetWindowLongA(m_hDlg, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, bExpected == TRUE);
            EXPECT_EQ(IsAbove(m_hDlg, hPlain), bExpected == TRUE);
            ::DestroyWindow(hPlain);
            Command(ID_TOPMOST);
        }
        Close();
    }
}
} // namespace
