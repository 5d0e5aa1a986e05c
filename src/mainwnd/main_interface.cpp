// Main window: ApplyInterface, which brings the running window in line with the interface
// settings, step by step.
#include "mainwnd/main_dlg.h"

void CMainDlg::ApplyInterface(ApplyWhat what)
{
    if (what == APPLY_ALL && ReplaceIfLayoutOrLanguageChanged())
        return;
    // The language comes in force before the side bar is built: built first, its titles and
    // links would stay in the program's own French until the next rebuild of its content.
    if (what == APPLY_ALL && m_pHost != nullptr)
        m_pHost->SelectLanguage(m_settings.m_strLanguage);
    if (what == APPLY_ALL || what == APPLY_TOPMOST)
        ApplyTopmostAndContent();
    if (what == APPLY_ALL || what == APPLY_SIDEBAR)
        ShowSideBar();
    if (what == APPLY_ALL)
    {
        Apply(m_state, ApplyOptions(m_state, m_settings.m_nRingMode, GetPictureOptions()));
        ApplyLookAndOpacity();
    }
}
