// Main window: the look of the side bar and the menus, and the window's opacity.
#include "mainwnd/main_dlg.h"

#include "menu/new_menu.h"

namespace
{
// Below this the window could no longer be found to set it back.
constexpr BYTE kMinimumOpacity = 10;
} // namespace

void CMainDlg::ApplyLookAndOpacity()
{
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    m_sideBar.SetDrawStyle(SideBarLookOf(m_settings.m_nStyle));
    CNewMenu::SetMenuDrawMode(MenuLookOf(m_settings.m_nStyle));

    // Only the low 8 bits of the setting count; the window never goes fully see-through.
    const BYTE nPercent = static_cast<BYTE>(m_settings.m_nTransparency & 0xFF);
    const int nOpacity = nPercent < kMinimumOpacity ? kMinimumOpacity : nPercent;
    if (nOpacity == m_nAppliedOpacity)
        return;
    m_nAppliedOpacity = nOpacity;
    // The selectors are hidden while the window turns layered and repainted, and shown again
    // only where the ring count uses them.
    for (const CSliderCtrl* pBande : m_bandes)
        ::ShowWindow(pBande->GetSafeHwnd(), SW_HIDE);
    CLayeredWindow::MakeLayered(m_hWnd);
    m_layered.SetOpacity(m_hWnd, static_cast<BYTE>(nOpacity));
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    ::UpdateWindow(m_hWnd);
    for (size_t slot = 0; slot < kRingSlotCount; ++slot)
    {
        if (IsRingShown(m_state.rings.ringMode, static_cast<int>(slot)))
            ::ShowWindow(m_bandes[slot]->GetSafeHwnd(), SW_SHOWNORMAL);
    }
}
