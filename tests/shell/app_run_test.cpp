// A whole run of the application against the test prefix's registry: a main window replaced for
// a new language, then closed, and the settings written only when the program exits.
#include "mainwnd/main_dlg.h"
#include "program_key.h"
#include "res/resource.h"
#include "shell/resistor_app.h"
#include "window_test.h"

#include <algorithm>
#include <commctrl.h>
#include <string>
#include <vector>

namespace
{
std::string Terminated(const char* pszText)
{
    return std::string(pszText) + '\0';
}

CResistorApp* g_pApp = nullptr;
std::vector<CMainDlg*> g_windows;
// Values under "Dernier état" while the second window runs.
DWORD g_nValuesDuringRun = 0;

BOOL CALLBACK VisitMainWindow(HWND hWnd, LPARAM)
{
    auto* pDlg = dynamic_cast<CMainDlg*>(CWnd::FromHandle(hWnd));
    if (pDlg == nullptr || !::IsWindowVisible(hWnd) ||
        std::find(g_windows.begin(), g_windows.end(), pDlg) != g_windows.end())
        return TRUE;
    g_windows.push_back(pDlg);
    if (g_windows.size() == 1)
    {
        g_pApp->GetSettings().m_strLanguage = "Deutsch";
        pDlg->SetLanguageChanged();
        pDlg->ApplyInterface(APPLY_ALL);
    }
    else
    {
        g_nValuesDuringRun = CountValues(kLastState);
        CWindowTest::DragSelector(pDlg->GetDlgItem(IDC_BANDE1), 4);
        ::SendMessageA(hWnd, WM_COMMAND, ID_QUIT, 0);
    }
    return FALSE;
}

class AppRunTest : public CWindowTest
{
protected:
    CProgramKeyGuard m_guard;
};

TEST_F(AppRunTest, LanguageRebuildSavesOnlyAtExit)
{
    StoreRaw(kGeneral, "Premier demarrage", REG_SZ, Terminated("0"));
    CResistorApp app;
    g_pApp = &app;
    g_windows.clear();
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20,
                                      [](HWND, UINT, UINT_PTR, DWORD)
                                      { ::EnumThreadWindows(::GetCurrentThreadId(), VisitMainWindow, 0); });
    ASSERT_NE(timer, 0u);
    app.Run();
    ::KillTimer(nullptr, timer);

    EXPECT_EQ(g_windows.size(), 2u);
    EXPECT_EQ(g_nValuesDuringRun, 0u);
    const std::optional<RawValue> ring = ReadRaw(kLastState, "Bande 1");
    ASSERT_TRUE(ring.has_value());
    EXPECT_EQ(ring->bytes, Terminated("4"));
    const std::optional<RawValue> language = ReadRaw(kInterface, "Langue");
    ASSERT_TRUE(language.has_value());
    EXPECT_EQ(language->bytes, Terminated("Deutsch"));
    EXPECT_EQ(ReadRaw(kGeneral, "Premier demarrage")->bytes, Terminated("0"));
}
} // namespace
