// Main window: its message table, initialisation, the ring count and the state it leaves in the
// settings.
#include "mainwnd/main_dlg.h"

#include "framework/monitor_areas.h"
#include "framework/resource_module.h"
#include "model/ring_colours.h"
#include "model/value_text.h"
#include "model/window_placement.h"
#include "res/resource.h"

#include <commctrl.h>

#include <utility>
#include <vector>

const CMessageEntry CMainDlg::s_messageEntries[] = {
    OnMessage<WM_PAINT, &CMainDlg::OnPaint>(),
    OnMessage<WM_ERASEBKGND, &CMainDlg::OnEraseBkgnd>(),
    OnMessage<WM_HSCROLL, &CMainDlg::OnScroll>(),
    OnMessage<WM_VSCROLL, &CMainDlg::OnScroll>(),
    OnControl<&CMainDlg::OnValueEditChange>(EN_CHANGE, IDC_VALUE),
    OnControl<&CMainDlg::OnSelChangeUnit>(CBN_SELCHANGE, IDC_UNIT),
    OnControl<&CMainDlg::OnSelChangeTolerance>(CBN_SELCHANGE, IDC_TOLERANCE),
    OnControl<&CMainDlg::OnSelChangeTempCo>(CBN_SELCHANGE, IDC_TEMPCO),
    OnCommandRange<&CMainDlg::OnUseRings>(ID_RINGS_4, ID_RINGS_6),
    OnCommand<&CMainDlg::OnToggleTopmost>(ID_TOPMOST),
    OnCommand<&CMainDlg::OnToggleSideBar>(ID_TOGGLE_SIDEBAR),
    OnCommandRange<&CMainDlg::OnStandardValue>(ID_SERIES_E3, ID_SERIES_E192),
    OnCommandRange<&CMainDlg::OnCalcCommand>(ID_CALC_R, ID_CALC_P),
    OnControlRange<&CMainDlg::OnCalcEdit>(EN_CHANGE, IDC_CALC_R, IDC_CALC_P),
    OnCommand<&CMainDlg::OnQuit>(ID_QUIT),
    OnCommand<&CMainDlg::OnCopyValue>(ID_COPY_VALUE),
    OnCommand<&CMainDlg::OnCopyPicture>(ID_COPY_PICTURE),
    OnCommand<&CMainDlg::OnSavePicture>(ID_SAVE_PICTURE),
    OnCommandRange<&CMainDlg::OnPrint>(ID_PRINT_RESISTOR, ID_PRINT_VALUE),
    OnCommand<&CMainDlg::OnTaskMenu>(ID_COPY_MENU),
    OnCommand<&CMainDlg::OnTaskMenu>(ID_SUPPORT_MENU),
    OnCommand<&CMainDlg::OnTaskMenu>(ID_SUPPORT_MENU_OTHER),
    OnCommand<&CMainDlg::OnTaskMenu>(ID_PRINT_MENU),
    OnCommand<&CMainDlg::OnOptions>(ID_OPTIONS),
    OnCommand<&CMainDlg::OnOptions>(ID_OPTIONS_OTHER),
    OnCommand<&CMainDlg::OnQuiz>(ID_QUIZ),
    OnCommand<&CMainDlg::OnUpdateTool>(ID_UPDATE_TOOL),
    OnCommand<&CMainDlg::OnWebPage>(ID_WEB_PAGE),
    OnCommand<&CMainDlg::OnAbout>(ID_APP_ABOUT),
    OnCommand<&CMainDlg::OnCalcTools>(ID_CALC_TOOLS),
    OnCommand<&CMainDlg::OnAcceptedCommand>(ID_RESERVED_528),
    OnCommand<&CMainDlg::OnAcceptedCommand>(ID_RESERVED_32771),
    OnMessage<WM_CONTEXTMENU, &CMainDlg::OnContextMenu>(),
    OnMessage<WM_HOTKEY, &CMainDlg::OnHotKey>(),
    // Tooltips name their tool by its window handle, so only the code is compared.
    OnNotifyCode<&CMainDlg::OnToolTipTextA>(TTN_NEEDTEXTA),
    OnNotifyCode<&CMainDlg::OnToolTipTextW>(TTN_NEEDTEXTW),
    OnMessage<WM_DESTROY, &CMainDlg::OnDestroy>(),
};
const CMessageMap CMainDlg::s_messageMap{CDialog::s_messageMap, s_messageEntries};

CMainDlg::CMainDlg(UINT idTemplate, CAppSettings& settings, HWND hParent)
    : CDialog(idTemplate, hParent), m_settings(settings), m_calcTools(settings, *this)
{
}

BOOL CMainDlg::OnInitDialog()
{
    m_bInitialising = true;
    AskFirstRun();
    HINSTANCE hInstance = ::GetModuleHandleA(nullptr);
    // Shared icons from LoadIcon belong to the system: nothing to free.
    HICON hIcon = ::LoadIconA(hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    SetIcon(hIcon, true);
    SetIcon(hIcon, false);
    InitControls();
    m_hAccel = ::LoadAcceleratorsA(hInstance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    EnableToolTips();
    m_sideBar.SubclassDlgItem(IDC_SIDEBAR, m_hWnd);
    // The controls as they come from the template: an empty box, lists without a selection, the
    // selectors at their first position; the ring count and the picture those of the settings.
    m_state.rings.ringMode = m_settings.m_nRingMode;
    for (size_t slot = 0; slot < kRingSlotCount; ++slot)
        m_state.rings.positions[slot] = m_bandes[slot]->GetPos();
    m_state.picture = GetPictureOptions();
    ShowRingControls(m_state.rings.ringMode);
    ApplyInterface(APPLY_ALL);
    m_bInitialising = false;

    MainState stored = m_state;
    for (size_t slot = 0; slot < kRingSlotCount; ++slot)
        stored.rings.positions[slot] = ClampRingPosition(static_cast<int>(slot), m_settings.m_nRingPos[slot]);
    Apply(m_state, ShowRings(stored));
    PlaceWindow();
    // The tools window that was open over the window this one replaces.
    if (std::exchange(m_settings.m_bToolsReopen, false))
        m_calcTools.Open(m_hWnd);
    return TRUE;
}

// Asked once: the flag is cleared in memory whatever the answer, and saved at exit.
void CMainDlg::AskFirstRun()
{
    if (m_settings.m_bFirstRun == 0)
        return;
    m_settings.m_bFirstRun = FALSE;
    // "Oui" opens the help once the window runs; the application answers the command.
    if (MessageBoxFromTable(IDS_FIRST_RUN, MB_YESNO | MB_ICONINFORMATION | MB_SYSTEMMODAL) == IDYES)
        ::PostMessageA(m_hWnd, WM_COMMAND, ID_HELP_INDEX, 0);
}

void CMainDlg::InitControls()
{
    for (size_t slot = 0; slot < kRingSlotCount; ++slot)
    {
        m_bandes[slot]->SubclassDlgItem(static_cast<int>(IDC_BANDE1 + slot), m_hWnd);
        m_bandes[slot]->SetRange(1, kRingPositionCount[slot]);
        m_positionTips[slot].Attach(m_bandes[slot]->GetSafeHwnd(), static_cast<int>(slot));
    }

    // The unit list draws in "Symbol", where "W" is the ohm sign.
    const CComboBox unit(GetDlgItem(IDC_UNIT));
    const HFONT hFont = unit.GetFont();
    LOGFONTA lf{};
    ::GetObjectA(hFont != nullptr ? static_cast<HGDIOBJ>(hFont) : ::GetStockObject(SYSTEM_FONT), sizeof lf,
                 &lf);
    ::lstrcpynA(lf.lfFaceName, "Symbol", LF_FACESIZE);
    m_unitFont.reset(::CreateFontIndirectA(&lf));
    unit.SetFont(m_unitFont.get());

    for (std::string_view text : kUnitComboTexts)
        unit.AddString(std::string(text));
    const CComboBox tolerance(GetDlgItem(IDC_TOLERANCE));
    for (int pos = 1; pos <= kRingPositionCount[kSlotTolerance]; ++pos)
        tolerance.AddString(std::string(ToleranceText(pos)));
    const CComboBox tempCo(GetDlgItem(IDC_TEMPCO));
    for (int pos = 1; pos <= kRingPositionCount[kSlotTempCo]; ++pos)
        tempCo.AddString(std::string(TempCoText(pos)));
}

void CMainDlg::ShowRingControls(int nRingMode)
{
    ShowDlgItem(IDC_BANDE3, IsRingShown(nRingMode, kSlotThirdDigit));
    ShowDlgItem(IDC_BANDE6, IsRingShown(nRingMode, kSlotTempCo));
    ShowDlgItem(IDC_TEMPCO, IsRingShown(nRingMode, kSlotTempCo));
}

// A stored position is kept only while the title bar can be grasped on some monitor; otherwise,
// or with none stored, the window is centred on its monitor's work area.
void CMainDlg::PlaceWindow()
{
    RECT rc{};
    ::GetWindowRect(m_hWnd, &rc);
    const int cx = rc.right - rc.left;
    const int cy = rc.bottom - rc.top;
    if (m_settings.HasStoredPosition())
    {
        const std::vector<PlacementRect> workAreas = MonitorWorkAreas();
        const int cyCaption = ::GetSystemMetrics(SM_CYCAPTION) + ::GetSystemMetrics(SM_CYFIXEDFRAME);
        if (IsCaptionReachable(m_settings.m_nPosX, m_settings.m_nPosY, cx, cyCaption, workAreas))
        {
            ::SetWindowPos(m_hWnd, nullptr, m_settings.m_nPosX, m_settings.m_nPosY, 0, 0,
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
        m_settings.m_nRingPos[slot] = m_state.rings.positions[slot];
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

void CMainDlg::OnDestroy()
{
    m_calcTools.Close();
    if (!m_bReplaced)
        CaptureWindowState();
}

void CMainDlg::UseRings(int nRingMode)
{
    m_settings.m_nRingMode = nRingMode;
    // The value in the box is encoded again with the new number of digits.
    Apply(m_state, ChooseRingCount(m_state, nRingMode));
}
