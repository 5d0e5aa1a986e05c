// Application start-up and exit.
#include "shell/resistor_app.h"

#include "mainwnd/main_dlg.h"
#include "res/resource.h"

#include <commctrl.h>

namespace
{
// ICC_WIN95_CLASSES | ICC_COOL_CLASSES.
constexpr DWORD kCommonControlClasses = 0x4FF;
} // namespace

CSideBarContent MakeSideBarContent(const CAppSettings& settings)
{
    CSideBarContent content;
    for (int i = 0; i < kUseSeriesCount; ++i)
        content.bUseSeries[static_cast<size_t>(i)] = settings.m_bUseSeries[i] != 0;
    // Only 0 collapses a group: any other stored state leaves it open.
    for (int i = 0; i < kGroupOpenCount; ++i)
        content.bGroupOpen[static_cast<size_t>(i)] = settings.m_bGroupOpen[i] != 0;
    content.bTopmost = settings.m_bTopmost == 1;
    // The "Windows XP" interface style draws the side bar in its visual-styles look.
    content.nStyle = settings.m_nStyle == kStyleVisualStyles ? SIDEBAR_STYLE_XP : SIDEBAR_STYLE_CLASSIC;
    return content;
}

bool CResistorApp::InitInstance()
{
    m_languages.Enumerate();
    INITCOMMONCONTROLSEX icc{sizeof(icc), kCommonControlClasses};
    ::InitCommonControlsEx(&icc);
    m_settings.Load();
    RunMainWindow();
    // The program's life is the main window; no message loop of our own follows.
    return false;
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
    m_nCurrentLayout =
        m_settings.m_nOrientation == kOrientationHorizontal ? IDD_MAIN_HORIZONTAL : IDD_MAIN_VERTICAL;
    CMainDlg dlg(m_nCurrentLayout, m_settings);
    dlg.SetSideBarContent(MakeSideBarContent(m_settings));
    dlg.DoModal();
}
