// Application start-up and exit.
#include "shell/resistor_app.h"

#include "framework/command_ids.h"
#include "framework/resource_module.h"
#include "mainwnd/main_dlg.h"
#include "res/resource.h"
#include "shell/about_dlg.h"
#include "shell/external_tools.h"
#include "shell/options_dlg.h"

#include <commctrl.h>

#include <utility>

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
    CMainDlg* pOuter = std::exchange(m_pMainDlg, &dlg);
    dlg.DoModal();
    m_pMainDlg = pOuter;
}

// OK applies the whole record; a new orientation or language replaces the window from here.
void CResistorApp::ShowOptions(CMainDlg& dlg)
{
    COptionsDlg sheet(dlg.GetSafeHwnd(), m_settings, m_languages.GetNames());
    if (!sheet.DoModal())
        return;
    if (sheet.IsLanguageChanged())
        dlg.SetLanguageChanged();
    dlg.ApplyInterface(APPLY_ALL);
}

void CResistorApp::ShowAbout(HWND hOwner)
{
    CAProposDlg(hOwner, LoadResourceString(IDS_SUPPORT_ADDRESS), LoadResourceString(IDS_HOME_LINK),
                LoadResourceString(IDS_DONATION_LINK), std::string(), 0)
        .DoModal();
}

void CResistorApp::StartQuiz(HWND hOwner)
{
    ::StartQuiz(hOwner);
}

void CResistorApp::LaunchUpdateTool(HWND hOwner)
{
    ::LaunchUpdateTool(hOwner, kProductName);
}

void CResistorApp::OpenWebPage(HWND hOwner)
{
    OpenWebLink(hOwner, LoadResourceString(IDS_HOME_LINK));
}

void CResistorApp::OnHelp()
{
    ShowHelpIndex(m_pMainDlg != nullptr ? m_pMainDlg->GetSafeHwnd() : nullptr);
}

bool CResistorApp::OnCmdMsg(UINT id)
{
    switch (id)
    {
    case ID_HELP_INDEX:
    case ID_HELP:
        OnHelp();
        return true;
    default:
        return false;
    }
}
