// Main window: its message table, initialisation, the side bar's content, the ring count
// commands and the state it leaves in the settings.
#include "mainwnd/main_dlg.h"

#include "framework/resource_module.h"
#include "mainwnd/flag_scope.h"
#include "model/ring_colours.h"
#include "model/value_text.h"
#include "res/resource.h"

#include <commctrl.h>

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

const TMessageEntry<CMainDlg> CMainDlg::s_messageMap[] = {
    OnMessage(WM_PAINT, &CMainDlg::OnPaint),
    OnMessage(WM_ERASEBKGND, &CMainDlg::OnEraseBkgnd),
    OnMessage(WM_HSCROLL, &CMainDlg::OnScroll),
    OnMessage(WM_VSCROLL, &CMainDlg::OnScroll),
    OnControl(EN_CHANGE, IDC_VALUE, &CMainDlg::OnValueEditChange),
    OnControl(CBN_SELCHANGE, IDC_UNIT, &CMainDlg::OnSelChangeUnit),
    OnControl(CBN_SELCHANGE, IDC_TOLERANCE, &CMainDlg::OnSelChangeTolerance),
    OnControl(CBN_SELCHANGE, IDC_TEMPCO, &CMainDlg::OnSelChangeTempCo),
    OnCommand(ID_RINGS_4, &CMainDlg::OnUseRings4),
    OnCommand(ID_RINGS_5, &CMainDlg::OnUseRings5),
    OnCommand(ID_RINGS_6, &CMainDlg::OnUseRings6),
    OnCommandRange(ID_SERIES_E3, ID_SERIES_E192, &CMainDlg::OnStandardValue),
    OnCommandRange(ID_CALC_R, ID_CALC_P, &CMainDlg::OnCalcCommand),
    OnCommand(ID_QUIT, &CMainDlg::OnQuit),
    // Tooltips name their tool by its window handle, so only the code is compared.
    {WM_NOTIFY, TTN_NEEDTEXTA, 0, 0, kMatchCode, &CMainDlg::OnToolTipText},
    {WM_NOTIFY, TTN_NEEDTEXTW, 0, 0, kMatchCode, &CMainDlg::OnToolTipText},
    OnMessage(WM_DESTROY, &CMainDlg::OnDestroy),
};

CMainDlg::CMainDlg(UINT idTemplate, CAppSettings& settings, HWND hParent)
    : CDialog(idTemplate, hParent), m_settings(settings), m_sideBar(*this)
{
}

bool CMainDlg::ProcessMessage(CMessage& msg, LRESULT& result)
{
    return DispatchTable(this, s_messageMap, msg, result) || CDialog::ProcessMessage(msg, result);
}

BOOL CMainDlg::OnInitDialog()
{
    m_bInitialising = true;
    HINSTANCE hInstance = ::GetModuleHandleA(nullptr);
    // Shared icons from LoadIcon belong to the system: nothing to free.
    HICON hIcon = ::LoadIconA(hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(hIcon));
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
    InitControls();
    EnableToolTips();
    m_sideBar.SubclassDlgItem(IDC_SIDEBAR, m_hWnd);
    {
        // The calculator's fields are created empty; their first notifications are not edits.
        CFlagScope busy(m_bCalcBusy);
        BuildSideBar();
    }
    m_sideBar.SetDrawStyle(m_sideBarContent.nStyle);
    ShowRingControls();
    m_bInitialising = false;

    for (size_t slot = 0; slot < kRingSlotCount; ++slot)
        m_bandes[slot]->SetPos(m_settings.m_nRingPos[slot]);
    {
        CFlagScope fromRings(m_bUpdatingFromRings);
        UpdateFromRings();
        OnValueTextChanged();
    }
    PlaceWindow();
    return TRUE;
}

void CMainDlg::InitControls()
{
    for (size_t slot = 0; slot < kRingSlotCount; ++slot)
    {
        m_bandes[slot]->SubclassDlgItem(static_cast<int>(IDC_BANDE1 + slot), m_hWnd);
        m_bandes[slot]->SetRange(1, kRingPositionCount[slot]);
    }

    // The unit list draws in "Symbol", where "W" is the ohm sign.
    HWND hUnit = GetDlgItem(IDC_UNIT);
    HGDIOBJ hFont = reinterpret_cast<HGDIOBJ>(::SendMessageA(hUnit, WM_GETFONT, 0, 0));
    LOGFONTA lf{};
    ::GetObjectA(hFont != nullptr ? hFont : ::GetStockObject(SYSTEM_FONT), sizeof lf, &lf);
    ::lstrcpynA(lf.lfFaceName, "Symbol", LF_FACESIZE);
    m_unitFont.reset(::CreateFontIndirectA(&lf));
    ::SendMessageA(hUnit, WM_SETFONT, reinterpret_cast<WPARAM>(m_unitFont.get()), TRUE);

    for (std::string_view text : kUnitComboTexts)
        ::SendMessageA(hUnit, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::string(text).c_str()));
    for (int pos = 1; pos <= kRingPositionCount[kSlotTolerance]; ++pos)
        ::SendDlgItemMessageA(m_hWnd, IDC_TOLERANCE, CB_ADDSTRING, 0,
                              reinterpret_cast<LPARAM>(std::string(ToleranceText(pos)).c_str()));
    for (int pos = 1; pos <= kRingPositionCount[kSlotTempCo]; ++pos)
        ::SendDlgItemMessageA(m_hWnd, IDC_TEMPCO, CB_ADDSTRING, 0,
                              reinterpret_cast<LPARAM>(std::string(TempCoText(pos)).c_str()));
}

void CMainDlg::ShowRingControls()
{
    const int nRingMode = m_settings.m_nRingMode;
    const int nThird = IsRingShown(nRingMode, kSlotThirdDigit) ? SW_SHOW : SW_HIDE;
    const int nTempCo = IsRingShown(nRingMode, kSlotTempCo) ? SW_SHOW : SW_HIDE;
    ::ShowWindow(GetDlgItem(IDC_BANDE3), nThird);
    ::ShowWindow(GetDlgItem(IDC_BANDE6), nTempCo);
    ::ShowWindow(GetDlgItem(IDC_TEMPCO), nTempCo);
}

// A position that no monitor shows, or none stored, centres the window on its monitor's work area.
void CMainDlg::PlaceWindow()
{
    RECT rc{};
    ::GetWindowRect(m_hWnd, &rc);
    const int cx = rc.right - rc.left;
    const int cy = rc.bottom - rc.top;
    if (m_settings.HasStoredPosition())
    {
        const RECT stored{m_settings.m_nPosX, m_settings.m_nPosY, m_settings.m_nPosX + cx,
                          m_settings.m_nPosY + cy};
        if (::MonitorFromRect(&stored, MONITOR_DEFAULTTONULL) != nullptr)
        {
            ::SetWindowPos(m_hWnd, nullptr, stored.left, stored.top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return;
        }
    }
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    ::GetMonitorInfoA(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &mi);
    const RECT& work = mi.rcWork;
    ::SetWindowPos(m_hWnd, nullptr, work.left + (work.right - work.left - cx) / 2,
                   work.top + (work.bottom - work.top - cy) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMainDlg::CaptureWindowState()
{
    for (size_t slot = 0; slot < kRingSlotCount; ++slot)
        m_settings.m_nRingPos[slot] = m_bandes[slot]->GetPos();
    for (int g = 0; g < kGroupOpenCount && g < m_sideBar.GetGroupCount(); ++g)
        m_settings.m_bGroupOpen[g] = m_sideBar.IsGroupCollapsed(g) ? FALSE : TRUE;
    // The place the window had before it was minimised is the one worth keeping.
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    if (::GetWindowPlacement(m_hWnd, &wp))
    {
        m_settings.m_nPosX = wp.rcNormalPosition.left;
        m_settings.m_nPosY = wp.rcNormalPosition.top;
    }
}

LRESULT CMainDlg::OnDestroy(CMessage& msg)
{
    CaptureWindowState();
    return DefaultProc(msg);
}

LRESULT CMainDlg::OnQuit(CMessage&)
{
    EndDialog(IDCANCEL);
    return 0;
}

void CMainDlg::UseRings(int nRingMode)
{
    m_settings.m_nRingMode = nRingMode;
    ShowRingControls();
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    // The value in the box is encoded again with the new number of digits.
    OnValueTextChanged();
}

LRESULT CMainDlg::OnUseRings4(CMessage&)
{
    UseRings(kRingMode4);
    return 0;
}

LRESULT CMainDlg::OnUseRings5(CMessage&)
{
    UseRings(kRingMode5);
    return 0;
}

LRESULT CMainDlg::OnUseRings6(CMessage&)
{
    UseRings(kRingMode6);
    return 0;
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
