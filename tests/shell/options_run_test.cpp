// The options sheet in a whole run of the application, opened as the context menu's default
// item does: a new orientation replaces the window, a transparency of 0 leaves it visible, and
// the choices are in the registry after the program's exit.
#include "mainwnd/main_dlg.h"
#include "modal_step.h"
#include "program_key.h"
#include "res/resource.h"
#include "shell/resistor_app.h"
#include "window_test.h"

#include <commctrl.h>

#include <string>

namespace
{
std::string Terminated(const char* pszText)
{
    return std::string(pszText) + '\0';
}

// The visible main window of this thread on the template, or null.
CMainDlg* FindMainWindow(UINT idTemplate)
{
    struct Search
    {
        UINT idTemplate;
        CMainDlg* pFound;
    } search{idTemplate, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL
        {
            auto& s = *reinterpret_cast<Search*>(lParam);
            auto* pDlg = dynamic_cast<CMainDlg*>(CWnd::FromHandle(hWnd));
            if (pDlg == nullptr || !::IsWindowVisible(hWnd) || pDlg->GetTemplateId() != s.idTemplate)
                return TRUE;
            s.pFound = pDlg;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.pFound;
}

class OptionsRunTest : public CWindowTest
{
protected:
    CProgramKeyGuard m_guard;
};

TEST_F(OptionsRunTest, SheetChoicesReachTheWindowAndTheRegistry)
{
    StoreRaw(kGeneral, "Premier demarrage", REG_SZ, Terminated("0"));
    StoreRaw(kInterface, "Sens affichage", REG_SZ, Terminated("1"));
    StoreRaw(kInterface, "Style affichage", REG_SZ, Terminated("1"));
    CResistorApp app;
    int nPhase = 0;
    BYTE nAlpha = 0;
    DWORD dwLayered = 0;
    CModalStep step(
        [&]
        {
            if (nPhase == 0)
            {
                CMainDlg* pDlg = FindMainWindow(IDD_MAIN_HORIZONTAL);
                if (pDlg == nullptr)
                    return false;
                // The default item of the context menu.
                ::PostMessageA(pDlg->GetSafeHwnd(), WM_COMMAND, ID_OPTIONS, 0);
                nPhase = 1;
                return false;
            }
            if (nPhase == 1)
            {
                CMainDlg* pDlg = FindMainWindow(IDD_MAIN_HORIZONTAL);
                HWND hSheet = pDlg != nullptr ? FindThreadWindow("#32770", pDlg->GetSafeHwnd()) : nullptr;
                if (hSheet == nullptr)
                    return false;
                ::SendMessageA(hSheet, PSM_SETCURSEL, 1, 0);
                HWND hPage = reinterpret_cast<HWND>(::SendMessageA(hSheet, PSM_INDEXTOHWND, 1, 0));
                ::SendDlgItemMessageA(hPage, IDC_OPT_ORIENTATION, CB_SETCURSEL, 0, 0);
                ::SendDlgItemMessageA(hPage, IDC_OPT_STYLE, CB_SETCURSEL, 0, 0);
                ::SendDlgItemMessageA(hPage, IDC_OPT_TRANSPARENCY, TBM_SETPOS, TRUE, 0);
                ::PostMessageA(hSheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
                nPhase = 2;
                return false;
            }
            CMainDlg* pNew = FindMainWindow(IDD_MAIN_VERTICAL);
            if (pNew == nullptr)
                return false;
            COLORREF crKey = 0;
            ::GetLayeredWindowAttributes(pNew->GetSafeHwnd(), &crKey, &nAlpha, &dwLayered);
            ::PostMessageA(pNew->GetSafeHwnd(), WM_COMMAND, ID_QUIT, 0);
            return true;
        });
    app.Run();
    // A transparency of 0 is stored as chosen, and the window keeps its floor opacity.
    EXPECT_GT(nAlpha, 0);
    EXPECT_LT(nAlpha, 255);
    EXPECT_EQ(ReadRaw(kInterface, "Sens affichage")->bytes, Terminated("0"));
    EXPECT_EQ(ReadRaw(kInterface, "Style affichage")->bytes, Terminated("0"));
    EXPECT_EQ(ReadRaw(kInterface, "Transparence")->bytes, Terminated("0"));
}
} // namespace
