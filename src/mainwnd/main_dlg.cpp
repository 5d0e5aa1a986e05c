// Main window: its message table, initialisation, the ring count and interface toggles and the
// state it leaves in the settings.
#include "mainwnd/main_dlg.h"

#include "framework/resource_module.h"
#include "mainwnd/flag_scope.h"
#include "model/ring_colours.h"
#include "model/value_text.h"
#include "res/resource.h"

#include <commctrl.h>

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
    OnCommand(ID_TOPMOST, &CMainDlg::OnToggleTopmost),
    OnCommand(ID_TOGGLE_SIDEBAR, &CMainDlg::OnToggleSideBar),
    OnCommandRange(ID_SERIES_E3, ID_SERIES_E192, &CMainDlg::OnStandardValue),
    OnCommandRange(ID_CALC_R, ID_CALC_P, &CMainDlg::OnCalcCommand),
    OnCommand(ID_QUIT, &CMainDlg::OnQuit),
    OnCommand(ID_COPY_VALUE, &CMainDlg::OnCopyValue),
    OnCommand(ID_COPY_PICTURE, &CMainDlg::OnCopyPicture),
    OnCommand(ID_SAVE_PICTURE, &CMainDlg::OnSavePicture),
    OnCommand(ID_PRINT_VALUE, &CMainDlg::OnPrintValue),
    OnCommand(ID_PRINT_RESISTOR, &CMainDlg::OnPrintResistor),
    OnCommand(ID_COPY_MENU, &CMainDlg::OnCopyMenu),
    OnCommand(ID_PRINT_MENU, &CMainDlg::OnPrintMenu),
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
    AskFirstRun();
    HINSTANCE hInstance = ::GetModuleHandleA(nullptr);
    // Shared icons from LoadIcon belong to the system: nothing to free.
    HICON hIcon = ::LoadIconA(hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(hIcon));
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
    InitControls();
    EnableToolTips();
    m_sideBar.SubclassDlgItem(IDC_SIDEBAR, m_hWnd);
    ApplyInterface(APPLY_ALL);
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

// Asked once: the flag is cleared in memory whatever the answer, and saved at exit.
void CMainDlg::AskFirstRun()
{
    if (m_settings.m_bFirstRun == 0)
        return;
    m_settings.m_bFirstRun = FALSE;
    // The product's name, which the template gives the window.
    char szCaption[64] = {};
    ::GetWindowTextA(m_hWnd, szCaption, sizeof szCaption);
    ::MessageBoxA(m_hWnd, LoadResourceString(IDS_FIRST_RUN).c_str(), szCaption,
                  MB_YESNO | MB_ICONINFORMATION | MB_SYSTEMMODAL);
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
    if (!m_bReplaced)
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
    ApplyInterface(APPLY_RINGS);
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

LRESULT CMainDlg::OnToggleTopmost(CMessage&)
{
    m_settings.m_bTopmost = m_settings.m_bTopmost == 1 ? FALSE : TRUE;
    ApplyInterface(APPLY_TOPMOST);
    return 0;
}

LRESULT CMainDlg::OnToggleSideBar(CMessage&)
{
    m_settings.m_bShowSideBar = m_settings.m_bShowSideBar == 1 ? FALSE : TRUE;
    ApplyInterface(APPLY_SIDEBAR);
    return 0;
}
