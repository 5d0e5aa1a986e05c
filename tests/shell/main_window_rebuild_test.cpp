// The application's main window put in line with a new language or orientation: the library in
// force, and the window replaced by one on the other template that carries the state over,
// the tools window open over it included.
#include "framework/resource_module.h"
#include "mainwnd/main_dlg.h"
#include "res/resource.h"
#include "shell/resistor_app.h"
#include "window_test.h"

#include <algorithm>
#include <commctrl.h>
#include <string>
#include <vector>

namespace
{
std::string LanguageFolder()
{
    std::string folder = std::string("Z:") + VANTREL_TEST_LANGUAGE_DIR;
    std::replace(folder.begin(), folder.end(), '/', '\\');
    return folder;
}

CSideBar& SideBarOf(CMainDlg& dlg)
{
    return *dynamic_cast<CSideBar*>(CWnd::FromHandle(dlg.GetDlgItem(IDC_SIDEBAR)));
}

class MainWindowRebuildTest : public CWindowTest
{
protected:
    void SetUp() override
    {
        CWindowTest::SetUp();
        m_app.GetLanguages().Enumerate(LanguageFolder());
        Settings().m_bFirstRun = FALSE;
    }
    CAppSettings& Settings() { return m_app.GetSettings(); }

    CResistorApp m_app;
};

TEST_F(MainWindowRebuildTest, LanguageComesInForceBeforeTheSideBarIsBuilt)
{
    Settings().m_strLanguage = "English";
    CMainDlg dlg(IDD_MAIN_HORIZONTAL, Settings());
    dlg.SetHost(&m_app);
    ASSERT_TRUE(dlg.Create());
    HMODULE hEnglish = m_app.GetLanguages().GetLoadedLibrary();
    ASSERT_NE(hEnglish, nullptr);
    EXPECT_EQ(GetResourceModule(), hEnglish);
    EXPECT_EQ(SideBarOf(dlg).GetGroup(0)->GetTitle(), "Standard values");
    ::SendMessageA(dlg.GetSafeHwnd(), WM_COMMAND, ID_TOPMOST, 0);
    EXPECT_EQ(SideBarOf(dlg).GetGroup(0)->GetTitle(), "Standard values");
}

// What the timer saw of each main window it met, in order.
struct SeenWindow
{
    CMainDlg* pDlg;
    UINT idTemplate;
    int nFirstRing;
    bool bCalcsCollapsed;
    POINT topLeft;
    HMODULE hResources;
    std::string strStandardTitle;
    // The tools window over it, by its caption; empty when it is not open.
    std::string strToolsCaption;
};

std::string ToolsCaption(CMainDlg& dlg)
{
    char szCaption[128] = {};
    if (dlg.GetCalcTools().IsOpen())
        ::GetWindowTextA(dlg.GetCalcTools().GetSafeHwnd(), szCaption, sizeof szCaption);
    return szCaption;
}

std::vector<SeenWindow> g_seen;
CAppSettings* g_pSettings = nullptr;
// Applied to the first window: a new orientation, or a language marked as changed.
int g_nNewOrientation = 0;
const char* g_pszNewLanguage = nullptr;

BOOL CALLBACK VisitMainWindow(HWND hWnd, LPARAM)
{
    auto* pDlg = dynamic_cast<CMainDlg*>(CWnd::FromHandle(hWnd));
    if (pDlg == nullptr || !::IsWindowVisible(hWnd))
        return TRUE;
    if (std::any_of(g_seen.begin(), g_seen.end(), [pDlg](const SeenWindow& s) { return s.pDlg == pDlg; }))
        return TRUE;
    RECT rc{};
    ::GetWindowRect(hWnd, &rc);
    CSideBar& sideBar = SideBarOf(*pDlg);
    HWND hFirstRing = pDlg->GetDlgItem(IDC_BANDE1);
    g_seen.push_back({pDlg,
                      pDlg->GetTemplateId(),
                      static_cast<int>(::SendMessageA(hFirstRing, TBM_GETPOS, 0, 0)),
                      sideBar.IsGroupCollapsed(2) != FALSE,
                      {rc.left, rc.top},
                      GetResourceModule(),
                      sideBar.GetGroup(0)->GetTitle(),
                      ToolsCaption(*pDlg)});
    if (g_seen.size() == 1)
    {
        ::SendMessageA(hWnd, WM_COMMAND, ID_CALC_TOOLS, 0);
        // The user's state, then the options accepted: the new window runs inside this call.
        CWindowTest::DragSelector(hFirstRing, 7);
        sideBar.ExpandGroup(2, 0);
        ::SetWindowPos(hWnd, nullptr, 120, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        g_pSettings->m_nOrientation = g_nNewOrientation;
        if (g_pszNewLanguage != nullptr)
        {
            g_pSettings->m_strLanguage = g_pszNewLanguage;
            pDlg->SetLanguageChanged();
        }
        pDlg->ApplyInterface(APPLY_ALL);
    }
    else
    {
        // Moved once more before closing: the replaced window must not write its older state.
        CWindowTest::DragSelector(hFirstRing, 3);
        ::SendMessageA(hWnd, WM_COMMAND, ID_QUIT, 0);
    }
    return FALSE;
}

struct RebuildCase
{
    const char* name;
    int nOrientation;
    const char* pszLanguage;
    int nNewOrientation;
    const char* pszNewLanguage;
    UINT idFirst;
    UINT idSecond;
    const char* pszSecondTitle;
    const char* pszSecondLanguage;
    // A library without the tools window leaves it to the program's own template.
    const char* pszToolsCaption;
};

// The new window's side bar is built once its language is in force: a new language's texts
// from the start, and a new layout keeps the language the old window had.
const RebuildCase kRebuilds[] = {
    {"ToVertical", 1, "", 0, nullptr, IDD_MAIN_HORIZONTAL, IDD_MAIN_VERTICAL, "Valeurs normalisées", nullptr,
     "Outils de calcul"},
    {"ToHorizontal", 0, "", 1, nullptr, IDD_MAIN_VERTICAL, IDD_MAIN_HORIZONTAL, "Valeurs normalisées",
     nullptr, "Outils de calcul"},
    {"NewLanguage", 1, "English", 1, "Deutsch", IDD_MAIN_HORIZONTAL, IDD_MAIN_HORIZONTAL, "Normwerte",
     "Deutsch", "Outils de calcul"},
    {"NewLayoutInALanguage", 1, "Deutsch", 0, nullptr, IDD_MAIN_HORIZONTAL, IDD_MAIN_VERTICAL, "Normwerte",
     "Deutsch", "Outils de calcul"},
};

class MainWindowReplacedTest : public MainWindowRebuildTest, public ::testing::WithParamInterface<RebuildCase>
{
};

TEST_P(MainWindowReplacedTest, NewWindowCarriesTheStateOver)
{
    const RebuildCase& c = GetParam();
    Settings().m_nOrientation = c.nOrientation;
    Settings().m_strLanguage = c.pszLanguage;
    g_seen.clear();
    g_pSettings = &Settings();
    g_nNewOrientation = c.nNewOrientation;
    g_pszNewLanguage = c.pszNewLanguage;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20,
                                      [](HWND, UINT, UINT_PTR, DWORD)
                                      { ::EnumThreadWindows(::GetCurrentThreadId(), VisitMainWindow, 0); });
    ASSERT_NE(timer, 0u);
    m_app.RunMainWindow();
    ::KillTimer(nullptr, timer);

    ASSERT_EQ(g_seen.size(), 2u);
    EXPECT_EQ(g_seen[0].idTemplate, c.idFirst);
    const SeenWindow& second = g_seen[1];
    EXPECT_EQ(second.idTemplate, c.idSecond);
    EXPECT_EQ(second.nFirstRing, 7);
    EXPECT_TRUE(second.bCalcsCollapsed);
    EXPECT_EQ(second.topLeft.x, 120);
    EXPECT_EQ(second.topLeft.y, 90);
    EXPECT_EQ(second.strStandardTitle, c.pszSecondTitle);
    // The tools window opened over the first window opens again over the second.
    EXPECT_EQ(second.strToolsCaption, c.pszToolsCaption);
    if (c.pszSecondLanguage == nullptr)
    {
        EXPECT_EQ(second.hResources, ::GetModuleHandleA(nullptr));
    }
    else
    {
        EXPECT_EQ(second.hResources, m_app.GetLanguages().GetLoadedLibrary());
        EXPECT_EQ(Settings().m_strLanguage, c.pszSecondLanguage);
    }
    EXPECT_EQ(Settings().m_nRingPos[0], 3);
    EXPECT_EQ(Settings().m_bGroupOpen[2], FALSE);
}

INSTANTIATE_TEST_SUITE_P(Changes, MainWindowReplacedTest, ::testing::ValuesIn(kRebuilds),
                         [](const ::testing::TestParamInfo<RebuildCase>& param) { return param.param.name; });
} // namespace
