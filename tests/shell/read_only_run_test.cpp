// Two whole runs of the application for an account that may read the program's key below
// HKEY_LOCAL_MACHINE but not write it: what the first run changes is there for the second.
#include "mainwnd/main_dlg.h"
#include "modal_step.h"
#include "program_key.h"
#include "res/resource.h"
#include "shell/resistor_app.h"
#include "window_test.h"

#include <string>
#include <utility>

namespace
{
std::string Terminated(const char* pszText)
{
    return std::string(pszText) + '\0';
}

CMainDlg* FindMainWindow()
{
    CMainDlg* pFound = nullptr;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL
        {
            auto* pDlg = dynamic_cast<CMainDlg*>(CWnd::FromHandle(hWnd));
            if (pDlg == nullptr || !::IsWindowVisible(hWnd))
                return TRUE;
            *reinterpret_cast<CMainDlg**>(lParam) = pDlg;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&pFound));
    return pFound;
}

class ReadOnlyRunTest : public CWindowTest
{
protected:
    CProgramKeyGuard m_guard;
    CProgramKeyGuard m_userGuard{HKEY_CURRENT_USER};
};

TEST_F(ReadOnlyRunTest, ChangesOfAStandardAccountSurviveARestart)
{
    StoreRaw(kGeneral, "Premier demarrage", REG_SZ, Terminated("0"));
    StoreRaw(kGeneral, "Nombre bandes", REG_SZ, Terminated("2"));
    StoreRaw(kInterface, "Sens affichage", REG_SZ, Terminated("1"));
    StoreRaw(kLastState, "Bande 1", REG_SZ, Terminated("3"));
    UINT idSecondRun = 0;
    int nRingModeSecondRun = -1;
    {
        CReadOnlyKeyScope general(kGeneral);
        CReadOnlyKeyScope look(kInterface);
        CReadOnlyKeyScope last(kLastState);
        CResistorApp first;
        bool bAsked = false;
        CModalStep step(
            [&]
            {
                CMainDlg* pDlg = FindMainWindow();
                if (pDlg == nullptr)
                    return false;
                if (!std::exchange(bAsked, true))
                {
                    ::SendMessageA(pDlg->GetSafeHwnd(), WM_COMMAND, ID_RINGS_4, 0);
                    first.GetSettings().m_nOrientation = 0;
                    pDlg->ApplyInterface(APPLY_ALL);
                    return false;
                }
                ::PostMessageA(pDlg->GetSafeHwnd(), WM_COMMAND, ID_QUIT, 0);
                return true;
            });
        first.Run();
        // The machine's key is as it was.
        EXPECT_EQ(ReadRaw(kGeneral, "Nombre bandes")->bytes, Terminated("2"));
        EXPECT_EQ(ReadRaw(kInterface, "Sens affichage")->bytes, Terminated("1"));

        CResistorApp second;
        CModalStep look2(
            [&]
            {
                CMainDlg* pDlg = FindMainWindow();
                if (pDlg == nullptr)
                    return false;
                idSecondRun = pDlg->GetTemplateId();
                nRingModeSecondRun = second.GetSettings().m_nRingMode;
                ::PostMessageA(pDlg->GetSafeHwnd(), WM_COMMAND, ID_QUIT, 0);
                return true;
            });
        second.Run();
    }
    EXPECT_EQ(idSecondRun, static_cast<UINT>(IDD_MAIN_VERTICAL));
    EXPECT_EQ(nRingModeSecondRun, 0);
    EXPECT_EQ(ReadRaw(kGeneral, "Nombre bandes", HKEY_CURRENT_USER)->bytes, Terminated("0"));
}

TEST_F(ReadOnlyRunTest, AWritableKeyLeavesTheUserKeyAlone)
{
    StoreRaw(kGeneral, "Premier demarrage", REG_SZ, Terminated("0"));
    CResistorApp app;
    CModalStep step(
        [&]
        {
            CMainDlg* pDlg = FindMainWindow();
            if (pDlg == nullptr)
                return false;
            ::SendMessageA(pDlg->GetSafeHwnd(), WM_COMMAND, ID_RINGS_5, 0);
            ::PostMessageA(pDlg->GetSafeHwnd(), WM_COMMAND, ID_QUIT, 0);
            return true;
        });
    app.Run();
    EXPECT_EQ(ReadRaw(kGeneral, "Nombre bandes")->bytes, Terminated("1"));
    EXPECT_FALSE(ProgramKeyExists("", HKEY_CURRENT_USER));
}
} // namespace
