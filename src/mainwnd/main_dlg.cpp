// Main window initialisation.
#include "mainwnd/main_dlg.h"

#include "res/resource.h"

CMainDlg::CMainDlg(UINT idTemplate, HWND hParent) : CDialog(idTemplate, hParent) {}

BOOL CMainDlg::OnInitDialog()
{
    HINSTANCE hInstance = ::GetModuleHandleA(nullptr);
    // Shared icons from LoadIcon belong to the system: nothing to free.
    HICON hIcon = ::LoadIconA(hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(hIcon));
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
    m_sideBar.SubclassDlgItem(IDC_SIDEBAR, m_hWnd);
    return TRUE;
}
