// Main window: the side bar's groups and rows, built from the settings and kept while the same
// settings would build them again; and the topmost state, whose task row names it.
#include "mainwnd/main_dlg.h"

#include "framework/resource_module.h"
#include "framework/topmost.h"
#include "mainwnd/flag_scope.h"
#include "res/resource.h"

#include <algorithm>
#include <iterator>

namespace
{
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
} // namespace

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
