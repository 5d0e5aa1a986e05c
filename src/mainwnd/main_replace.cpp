// Main window: a new orientation or language replaces the window by one built on the template
// and with the resources now in force, which takes over the state through the settings.
#include "mainwnd/main_dlg.h"

#include "res/resource.h"

namespace
{
constexpr INT_PTR kResultReplaced = 1;
} // namespace

bool CMainDlg::ReplaceIfLayoutOrLanguageChanged()
{
    if (m_pHost == nullptr)
        return false;
    const UINT idWanted =
        m_settings.m_nOrientation == kOrientationHorizontal ? IDD_MAIN_HORIZONTAL : IDD_MAIN_VERTICAL;
    const bool bLayoutChanged = GetTemplateId() != idWanted;
    if (!bLayoutChanged && !m_bLanguageChanged)
        return false;
    CaptureWindowState();
    // The tools window goes with this window and opens again over the new one.
    m_settings.m_bToolsReopen = m_calcTools.IsOpen();
    m_calcTools.Close();
    m_bLanguageChanged = false;
    m_bReplaced = true;
    IMainWindowHost& host = *m_pHost;
    // A modeless window is destroyed here, a modal one when its loop sees the result.
    EndDialog(kResultReplaced);
    // A new layout keeps the language in force; a new language is read from scratch.
    if (!bLayoutChanged)
        host.UnloadLanguage();
    host.RunMainWindow();
    return true;
}
