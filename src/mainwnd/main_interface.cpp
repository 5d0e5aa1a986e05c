// Main window: ApplyInterface, which brings the running window in line with the interface
// settings, and the side bar's content built from them.
#include "mainwnd/main_dlg.h"

#include "framework/resource_module.h"
#include "framework/topmost.h"
#include "mainwnd/flag_scope.h"
#include "menu/new_menu.h"
#include "res/resource.h"

#include <algorithm>
#include <iterator>

namespace
{
// The window is this much narrower while the side bar is hidden.
constexpr int kSideBarWidth = 180;
// Below this the window could no longer be found to set it back.
constexpr BYTE kMinimumOpacity = 10;
constexpr INT_PTR kResultReplaced = 1;

struct SideBarRow
{
    int kind;
    UINT textId; // 0: the row starts empty
    UINT id;
};

const SideBarRow kTaskRows[] = {
    {SIDEBAR_ITEM_LINK, IDS_TASK_RINGS4, ID_RINGS_4},
    {SIDEBAR_ITEM_LINK, IDS_TASK_RINGS5, ID_RINGS_5},
    {SIDEBAR_ITEM_LINK, IDS_TASK_RINGS6, ID_RINGS_6},
    {SIDEBAR_ITEM_LINK, IDS_TASK_COPY, ID_COPY_MENU},
    {SIDEBAR_ITEM_LINK, IDS_TASK_PRINT, ID_PRINT_MENU},
    {SIDEBAR_ITEM_LINK, IDS_TASK_TOPMOST_ON, ID_TOPMOST},
    {SIDEBAR_ITEM_LINK, IDS_TASK_SUPPORT, ID_SUPPORT_MENU},
    {SIDEBAR_ITEM_LINK, IDS_TASK_QUIT, ID_QUIT},
};

// Each quantity's label, then its field, in the order R, I, U, P.
const SideBarRow kCalcRows[] = {
    {SIDEBAR_ITEM_LINK, IDS_CALC_R, ID_CALC_R}, {SIDEBAR_ITEM_EDIT, 0, IDC_CALC_R},
    {SIDEBAR_ITEM_LINK, IDS_CALC_I, ID_CALC_I}, {SIDEBAR_ITEM_EDIT, 0, IDC_CALC_I},
    {SIDEBAR_ITEM_LINK, IDS_CALC_U, ID_CALC_U}, {SIDEBAR_ITEM_EDIT, 0, IDC_CALC_U},
    {SIDEBAR_ITEM_LINK, IDS_CALC_P, ID_CALC_P}, {SIDEBAR_ITEM_EDIT, 0, IDC_CALC_P},
};

// Only the width changes; the top-left corner stays.
void AddToWidth(HWND hWnd, int dx)
{
    RECT rc{};
    ::GetWindowRect(hWnd, &rc);
    ::SetWindowPos(hWnd, nullptr, 0, 0, rc.right - rc.left + dx, rc.bottom - rc.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
} // namespace

void CMainDlg::ApplyInterface(int what)
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
    if (what == APPLY_ALL || what == APPLY_RINGS)
    {
        ShowRingControls();
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
    }
    if (what == APPLY_ALL)
        ApplyLookAndOpacity();
}

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

void CMainDlg::ApplyTopmostAndContent()
{
    const bool bTopmost = m_settings.m_bTopmost == 1;
    const bool bIsTopmost = (::GetWindowLongA(m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (bTopmost != bIsTopmost)
        SetWindowTopmost(m_hWnd, bTopmost);
    // The groups the user opened or collapsed since the last build stay so.
    if (m_sideBar.GetGroupCount() > 0)
    {
        for (int g = 0; g < kGroupOpenCount; ++g)
            m_settings.m_bGroupOpen[g] = m_sideBar.IsGroupCollapsed(g) ? FALSE : TRUE;
    }
    // Rows that would come out the same are kept: only the calculator's fields start empty again.
    CSideBarContent content{{}, m_settings.m_bTopmost == 1, GetResourceModule()};
    std::copy(std::begin(m_settings.m_bUseSeries), std::end(m_settings.m_bUseSeries),
              content.useSeries.begin());
    if (m_sideBar.GetGroupCount() > 0 && content == m_builtContent)
    {
        Apply(m_state, ClearCalcFields(m_state));
        return;
    }
    {
        // The calculator's fields are created empty; their first notifications are not edits.
        CFlagScope rendering(m_bRendering);
        BuildSideBar();
    }
    m_builtContent = content;
    m_state = ClearCalcFields(m_state);
    RefreshStandardValues();
}

void CMainDlg::BuildSideBar()
{
    m_sideBar.RemoveAllGroups();
    m_sideBar.AddGroup(LoadResourceString(IDS_GROUP_STANDARD));
    // Only 0 collapses a group: any other stored state leaves it as built, open.
    m_sideBar.ExpandGroup(kGroupStandard, m_settings.m_bGroupOpen[kGroupStandard]);
    // Only the series offered get a row; their texts are written by the update cycle.
    for (UINT i = 0; i < kSeriesCount; ++i)
    {
        if (m_settings.m_bUseSeries[i])
            m_sideBar.AddItem(kGroupStandard, std::string(), ID_SERIES_E3 + i, SIDEBAR_ITEM_LINK);
    }
    m_sideBar.AddGroup(LoadResourceString(IDS_GROUP_TASKS));
    m_sideBar.ExpandGroup(kGroupTasks, m_settings.m_bGroupOpen[kGroupTasks]);
    for (SideBarRow row : kTaskRows)
    {
        // The topmost task names what a click will do.
        if (row.id == ID_TOPMOST && m_settings.m_bTopmost == 1)
            row.textId = IDS_TASK_TOPMOST_OFF;
        m_sideBar.AddItem(kGroupTasks, LoadResourceString(row.textId), row.id, row.kind);
    }
    m_sideBar.AddGroup(LoadResourceString(IDS_GROUP_CALCS));
    m_sideBar.ExpandGroup(kGroupCalcs, m_settings.m_bGroupOpen[kGroupCalcs]);
    for (const SideBarRow& row : kCalcRows)
    {
        const std::string strText = row.textId != 0 ? LoadResourceString(row.textId) : std::string();
        m_sideBar.AddItem(kGroupCalcs, strText, row.id, row.kind);
    }
}

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

void CMainDlg::ApplyLookAndOpacity()
{
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    m_sideBar.SetDrawStyle(m_settings.m_nStyle == kStyleVisualStyles ? SIDEBAR_STYLE_XP
                                                                     : SIDEBAR_STYLE_CLASSIC);
    CNewMenu::SetMenuDrawMode(m_settings.m_nStyle);

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
        if (IsRingShown(m_settings.m_nRingMode, static_cast<int>(slot)))
            ::ShowWindow(m_bandes[slot]->GetSafeHwnd(), SW_SHOWNORMAL);
    }
}
