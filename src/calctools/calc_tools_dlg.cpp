// The calculation tools window: its tabs and pages, its place, and its keyboard.
#include "calctools/calc_tools_dlg.h"

#include "framework/monitor_areas.h"
#include "framework/resource_module.h"
#include "framework/theme_library.h"
#include "model/window_placement.h"
#include "res/resource.h"

#include <commctrl.h>

#include <iterator>
#include <vector>

const CMessageEntry CCalcToolsDlg::s_messageEntries[] = {
    OnNotify<&CCalcToolsDlg::OnTabChange>(TCN_SELCHANGE, IDC_TOOLS_TAB),
    OnMessage<WM_DESTROY, &CCalcToolsDlg::OnDestroy>(),
};
const CMessageMap CCalcToolsDlg::s_messageMap{CDialog::s_messageMap, s_messageEntries};

namespace
{
constexpr UINT kTabTexts[] = {IDS_TAB_SMD, IDS_TAB_LED, IDS_TAB_DIVIDER, IDS_TAB_COMBO, IDS_TAB_LABELS};
} // namespace

CCalcToolsDlg::CCalcToolsDlg(CAppSettings& settings, ICalcToolsOwner& owner)
    : CDialog(IDD_CALC_TOOLS), m_settings(settings), m_pageSmd(settings, owner), m_pageLed(settings, owner),
      m_pageDivider(settings, owner), m_pageCombinations(settings, owner), m_pageLabels(settings, owner)
{
}

void CCalcToolsDlg::Open(HWND hOwner)
{
    if (m_hWnd == nullptr)
    {
        if (!Create(hOwner))
            return;
        PlaceWindow(hOwner);
    }
    if (::IsIconic(m_hWnd))
        ::ShowWindow(m_hWnd, SW_RESTORE);
    ::ShowWindow(m_hWnd, SW_SHOW);
    ::SetForegroundWindow(m_hWnd);
    ::SetActiveWindow(m_hWnd);
}

void CCalcToolsDlg::Close()
{
    if (m_hWnd != nullptr)
        ::DestroyWindow(m_hWnd);
}

void CCalcToolsDlg::ShowValueChanged()
{
    if (m_hWnd == nullptr)
        return;
    for (CCalcPage* pPage : m_pages)
        pPage->OnShownValueChanged();
}

BOOL CCalcToolsDlg::OnInitDialog()
{
    const HWND hTab = GetDlgItem(IDC_TOOLS_TAB);
    for (std::size_t i = 0; i < std::size(kTabTexts); ++i)
    {
        std::string strText = LoadResourceString(kTabTexts[i]);
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = strText.data();
        ::SendMessageA(hTab, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    // The pages lie over the tab's display area, after it in the tab order.
    RECT rc{};
    ::GetWindowRect(hTab, &rc);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
    ::SendMessageA(hTab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rc));
    HWND hAfter = hTab;
    for (CCalcPage* pPage : m_pages)
    {
        if (!pPage->Create(m_hWnd))
            continue;
        // Under visual styles the pages take the tab's own background, as a property sheet's do.
        GetThemeLibrary().EnableThemeDialogTexture(pPage->GetSafeHwnd(), ETDT_ENABLETAB);
        ::SetWindowPos(pPage->GetSafeHwnd(), hAfter, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                       SWP_NOACTIVATE);
        hAfter = pPage->GetSafeHwnd();
    }
    SelectPage(m_settings.m_nToolsPage);
    return TRUE;
}

void CCalcToolsDlg::SelectPage(int nPage)
{
    if (nPage < 0 || static_cast<std::size_t>(nPage) >= m_pages.size())
        nPage = 0;
    m_nPage = nPage;
    ::SendMessageA(GetDlgItem(IDC_TOOLS_TAB), TCM_SETCURSEL, static_cast<WPARAM>(nPage), 0);
    for (std::size_t i = 0; i < m_pages.size(); ++i)
        ::ShowWindow(m_pages[i]->GetSafeHwnd(), static_cast<int>(i) == nPage ? SW_SHOW : SW_HIDE);
    m_pages[static_cast<std::size_t>(nPage)]->OnPageShown();
}

LRESULT CCalcToolsDlg::OnTabChange()
{
    SelectPage(static_cast<int>(::SendMessageA(GetDlgItem(IDC_TOOLS_TAB), TCM_GETCURSEL, 0, 0)));
    return 0;
}

// A stored place is kept while its title bar can be grasped; otherwise the window is centred
// on its owner.
void CCalcToolsDlg::PlaceWindow(HWND hOwner)
{
    RECT rc{};
    ::GetWindowRect(m_hWnd, &rc);
    const int cx = rc.right - rc.left;
    const int cy = rc.bottom - rc.top;
    const int cyCaption = ::GetSystemMetrics(SM_CYCAPTION) + ::GetSystemMetrics(SM_CYFIXEDFRAME);
    int x = m_settings.m_nToolsPosX;
    int y = m_settings.m_nToolsPosY;
    if (x <= kNoStoredPosition || y <= kNoStoredPosition ||
        !IsCaptionReachable(x, y, cx, cyCaption, MonitorWorkAreas()))
    {
        RECT rcOwner{};
        ::GetWindowRect(hOwner, &rcOwner);
        x = rcOwner.left + (rcOwner.right - rcOwner.left - cx) / 2;
        y = rcOwner.top + (rcOwner.bottom - rcOwner.top - cy) / 2;
    }
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CCalcToolsDlg::OnDestroy()
{
    m_settings.m_nToolsPage = m_nPage;
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    if (::GetWindowPlacement(m_hWnd, &wp))
    {
        m_settings.m_nToolsPosX = wp.rcNormalPosition.left;
        m_settings.m_nToolsPosY = wp.rcNormalPosition.top;
    }
}

bool CCalcToolsDlg::PreTranslateMessage(MSG& msg)
{
    if (m_hWnd == nullptr || m_bTranslating)
        return false;
    m_bTranslating = true;
    const bool bUsed = ::IsDialogMessageA(m_hWnd, &msg) != FALSE;
    m_bTranslating = false;
    return bUsed;
}
