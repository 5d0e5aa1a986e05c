// Application start-up.
#include "shell/resistor_app.h"

#include "mainwnd/main_dlg.h"
#include "res/resource.h"

#include <commctrl.h>

namespace
{
// ICC_WIN95_CLASSES | ICC_COOL_CLASSES.
constexpr DWORD kCommonControlClasses = 0x4FF;
// Until the settings are stored, the resistor lies horizontally.
constexpr int kDefaultOrientation = 1;
} // namespace

bool CResistorApp::InitInstance()
{
    INITCOMMONCONTROLSEX icc{sizeof(icc), kCommonControlClasses};
    ::InitCommonControlsEx(&icc);
    RunMainWindow();
    // The program's life is the main window; no message loop of our own follows.
    return false;
}

void CResistorApp::RunMainWindow()
{
    m_nCurrentLayout = kDefaultOrientation == 1 ? IDD_MAIN_HORIZONTAL : IDD_MAIN_VERTICAL;
    CMainDlg dlg(m_nCurrentLayout);
    dlg.DoModal();
}
