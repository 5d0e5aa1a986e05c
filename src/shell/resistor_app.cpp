// Application start-up and exit.
#include "shell/resistor_app.h"

#include "mainwnd/main_dlg.h"
#include "res/resource.h"

#include <commctrl.h>

void CResistorApp::InitInstance()
{
    m_languages.Enumerate();
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_COOL_CLASSES};
    ::InitCommonControlsEx(&icc);
    m_settings.Load();
    // The program's life is the main window, which runs its own message loop.
    RunMainWindow();
}

int CResistorApp::ExitInstance()
{
    // The one write of the run: changes made in memory since start-up are kept only here.
    m_settings.Save();
    return CWinApp::ExitInstance();
}

void CResistorApp::RunMainWindow()
{
    // Any orientation other than horizontal, stored or not, gives the vertical layout.
    const UINT idLayout =
        m_settings.m_nOrientation == kOrientationHorizontal ? IDD_MAIN_HORIZONTAL : IDD_MAIN_VERTICAL;
    CMainDlg dlg(idLayout, m_settings);
    dlg.SetHost(this);
    dlg.DoModal();
}

bool CResistorApp::OnCmdMsg(UINT id)
{
    switch (id)
    {
    case ID_HELP_INDEX:
        OnHelpIndex();
        return true;
    case ID_HELP:
        OnHelp();
        return true;
    default:
        return false;
    }
}
