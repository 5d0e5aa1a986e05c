// Main window initialisation and the side bar's content.
#include "mainwnd/main_dlg.h"

#include "framework/resource_module.h"
#include "res/resource.h"

namespace
{
enum : int
{
    kGroupStandard = 0,
    kGroupTasks = 1,
    kGroupCalcs = 2,
};

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

template <size_t N> void AddRows(CSideBar& sideBar, int nGroup, const SideBarRow (&rows)[N])
{
    for (const SideBarRow& row : rows)
    {
        const std::string strText = row.textId != 0 ? LoadResourceString(row.textId) : std::string();
        sideBar.AddItem(nGroup, strText, row.id, row.kind);
    }
}
} // namespace

CMainDlg::CMainDlg(UINT idTemplate, HWND hParent) : CDialog(idTemplate, hParent) {}

BOOL CMainDlg::OnInitDialog()
{
    HINSTANCE hInstance = ::GetModuleHandleA(nullptr);
    // Shared icons from LoadIcon belong to the system: nothing to free.
    HICON hIcon = ::LoadIconA(hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(hIcon));
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
    m_sideBar.SubclassDlgItem(IDC_SIDEBAR, m_hWnd);
    BuildSideBar();
    m_sideBar.SetDrawStyle(m_sideBarContent.nStyle);
    return TRUE;
}

void CMainDlg::BuildSideBar()
{
    const CSideBarContent& content = m_sideBarContent;
    m_sideBar.RemoveAllGroups();
    m_sideBar.AddGroup(LoadResourceString(IDS_GROUP_STANDARD));
    m_sideBar.ExpandGroup(kGroupStandard, content.bGroupOpen[kGroupStandard]);
    // Only the series offered get a row; their texts are written by the update cycle.
    for (UINT i = 0; i < content.bUseSeries.size(); ++i)
    {
        if (content.bUseSeries[i])
            m_sideBar.AddItem(kGroupStandard, std::string(), ID_SERIES_E3 + i, SIDEBAR_ITEM_LINK);
    }
    m_sideBar.AddGroup(LoadResourceString(IDS_GROUP_TASKS));
    m_sideBar.ExpandGroup(kGroupTasks, content.bGroupOpen[kGroupTasks]);
    for (SideBarRow row : kTaskRows)
    {
        // The topmost task names what a click will do.
        if (row.id == ID_TOPMOST && content.bTopmost)
            row.textId = IDS_TASK_TOPMOST_OFF;
        m_sideBar.AddItem(kGroupTasks, LoadResourceString(row.textId), row.id, row.kind);
    }
    m_sideBar.AddGroup(LoadResourceString(IDS_GROUP_CALCS));
    m_sideBar.ExpandGroup(kGroupCalcs, content.bGroupOpen[kGroupCalcs]);
    AddRows(m_sideBar, kGroupCalcs, kCalcRows);
}
