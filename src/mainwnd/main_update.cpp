// The main window's update cycle: each user action becomes a transition of the window's state
// (its rules live with the state), and the state is rendered into the controls and the side bar.
// Writing an edit's text raises EN_CHANGE before the write returns: while Render writes, the
// controls' notifications are not the user's and are not answered.
#include "mainwnd/main_dlg.h"

#include "framework/edit.h"
#include "mainwnd/flag_scope.h"
#include "picture/resistor_picture.h"
#include "model/value_text.h"
#include "res/resource.h"

namespace
{
constexpr COLORREF kMarkedLineColour = RGB(255, 0, 0);

// E12, E24, E96, E48, E192: the lines whose marks follow the tolerance.
constexpr size_t kMarkOrder[] = {2, 3, 5, 4, 6};

constexpr UINT kCalcFieldIds[kCalcFieldCount] = {IDC_CALC_R, IDC_CALC_U, IDC_CALC_I, IDC_CALC_P};
} // namespace

std::string CMainDlg::GetValueText() const
{
    return GetDlgItemText(IDC_VALUE);
}

// Only the ring changes: the rest of the picture needs no paint.
void CMainDlg::InvalidateRing(size_t slot)
{
    RECT rc = RingRect(static_cast<int>(slot), GetTemplateId() == IDD_MAIN_HORIZONTAL);
    ::InflateRect(&rc, 1, 1);
    ::InvalidateRect(m_hWnd, &rc, FALSE);
}

void CMainDlg::Apply(const MainState& shown, MainState next)
{
    const bool bValueChanged = next.valueText != m_state.valueText || next.unit != m_state.unit;
    Render(shown, next);
    m_state = std::move(next);
    if (bValueChanged)
        m_calcTools.ShowValueChanged();
}

void CMainDlg::Render(const MainState& shown, const MainState& next)
{
    CFlagScope rendering(m_bRendering);
    if (next.rings.ringMode != shown.rings.ringMode)
        ShowRingControls(next.rings.ringMode);
    // Another ring count or way of drawing changes the whole picture.
    if (next.rings.ringMode != shown.rings.ringMode || next.picture != shown.picture)
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
    for (size_t slot = 0; slot < kRingSlotCount; ++slot)
    {
        if (next.rings.positions[slot] != shown.rings.positions[slot])
        {
            m_bandes[slot]->SetPos(next.rings.positions[slot]);
            InvalidateRing(slot);
        }
    }
    if (next.unit != shown.unit)
        CComboBox(GetDlgItem(IDC_UNIT)).SetCurSel(next.unit);
    if (next.tolerance != shown.tolerance)
        CComboBox(GetDlgItem(IDC_TOLERANCE)).SetCurSel(next.tolerance);
    if (next.tempCo != shown.tempCo)
        CComboBox(GetDlgItem(IDC_TEMPCO)).SetCurSel(next.tempCo);
    if (next.valueText != shown.valueText)
        SetDlgItemText(IDC_VALUE, next.valueText);
    for (size_t i = 0; i < kSeriesCount; ++i)
    {
        if (next.standardLines[i] != shown.standardLines[i])
            m_sideBar.SetItemText(kGroupStandard, static_cast<UINT>(ID_SERIES_E3 + i), next.standardLines[i]);
    }
    for (size_t i : kMarkOrder)
    {
        if (next.marked[i] == shown.marked[i])
            continue;
        const UINT id = static_cast<UINT>(ID_SERIES_E3 + i);
        if (next.marked[i])
            m_sideBar.SetItemColor(kGroupStandard, id, kMarkedLineColour);
        else
            m_sideBar.ResetItemColor(kGroupStandard, id);
    }
    for (size_t i = 0; i < kCalcFieldCount; ++i)
    {
        if (next.calc[i] != shown.calc[i])
            m_sideBar.SetItemText(kGroupCalcs, kCalcFieldIds[i], next.calc[i]);
    }
}

void CMainDlg::RefreshStandardValues()
{
    MainState shown = m_state;
    shown.standardLines = {};
    shown.marked = {};
    Render(shown, m_state);
}

// Every scroll code counts, so the value follows the thumb while it is dragged.
void CMainDlg::OnScroll(UINT, UINT, HWND hScrollBar)
{
    for (size_t slot = 0; slot < kRingSlotCount; ++slot)
    {
        if (hScrollBar == nullptr || m_bandes[slot]->GetSafeHwnd() != hScrollBar)
            continue;
        MainState shown = m_state;
        shown.rings.positions[slot] = m_bandes[slot]->GetPos();
        // A drag sends several codes for one position (track, position, end): only a new
        // position has anything to show.
        if (shown.rings.positions[slot] == m_state.rings.positions[slot])
            return;
        Apply(shown, MoveRing(m_state, static_cast<int>(slot), shown.rings.positions[slot]));
        // The moved ring is painted at once; the rest of the picture did not change.
        DessinerBande(static_cast<short>(slot));
        return;
    }
}

void CMainDlg::OnValueEditChange()
{
    if (m_bRendering)
        return;
    MainState shown = m_state;
    shown.valueText = GetValueText();
    const int nCaret = CEdit(GetDlgItem(IDC_VALUE)).GetCaret();
    MainState next = TypeValue(m_state, shown.valueText);
    const bool bRewritten = next.valueText != shown.valueText;
    Apply(shown, std::move(next));
    // The box's own rewrite puts the caret first: it goes back after what was typed.
    if (bRewritten)
        CEdit(GetDlgItem(IDC_VALUE))
            .SetCaret(
                static_cast<int>(FilteredCaret(shown.valueText, static_cast<size_t>(nCaret), m_state.unit)));
}

// The number in the box stays and now means another resistance.
void CMainDlg::OnSelChangeUnit()
{
    MainState shown = m_state;
    shown.unit = GetComboSel(IDC_UNIT);
    Apply(shown, ChooseUnit(m_state, shown.unit));
}

void CMainDlg::OnSelChangeTolerance()
{
    MainState shown = m_state;
    shown.tolerance = GetComboSel(IDC_TOLERANCE);
    Apply(shown, ChooseTolerance(m_state, shown.tolerance));
    DessinerBande(kSlotTolerance);
}

void CMainDlg::OnSelChangeTempCo()
{
    MainState shown = m_state;
    shown.tempCo = GetComboSel(IDC_TEMPCO);
    Apply(shown, ChooseTempCo(m_state, shown.tempCo));
    DessinerBande(kSlotTempCo);
}

void CMainDlg::OnStandardValue(UINT id)
{
    Apply(m_state, TakeStandardLine(m_state, id - ID_SERIES_E3));
}
