// Main window: the side bar shown or hidden, and the window's width with it.
#include "mainwnd/main_dlg.h"

namespace
{
// The window is this much narrower while the side bar is hidden.
constexpr int kSideBarWidth = 180;

// Only the width changes; the top-left corner stays.
void AddToWidth(HWND hWnd, int dx)
{
    RECT rc{};
    ::GetWindowRect(hWnd, &rc);
    ::SetWindowPos(hWnd, nullptr, 0, 0, rc.right - rc.left + dx, rc.bottom - rc.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
} // namespace

// The side bar's own visible bit is asked, not its visibility on screen: the window itself may
// not be shown yet.
void CMainDlg::ShowSideBar()
{
    HWND hSideBar = m_sideBar.GetSafeHwnd();
    const bool bVisible = (::GetWindowLongA(hSideBar, GWL_STYLE) & WS_VISIBLE) != 0;
    if (m_settings.m_bShowSideBar == 1)
    {
        if (bVisible)
            return;
        AddToWidth(m_hWnd, m_nSideBarWidthSaved);
        ::ShowWindow(hSideBar, SW_SHOW);
        m_nSideBarWidthSaved = 0;
    }
    else if (bVisible || m_bInitialising)
    {
        m_nSideBarWidthSaved = kSideBarWidth;
        AddToWidth(m_hWnd, -kSideBarWidth);
        ::ShowWindow(hSideBar, SW_HIDE);
    }
}
