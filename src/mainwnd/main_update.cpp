// The main window's update cycle: rings, value box, lists, standard-value lines and the side
// bar's R field follow each other. Writing an edit's text raises EN_CHANGE before the write
// returns, so the flags decide which handler may react to which write.
#include "mainwnd/flag_scope.h"
#include "mainwnd/main_dlg.h"

#include "model/decimal_format.h"
#include "model/standard_series.h"
#include "model/value_text.h"
#include "res/resource.h"

namespace
{
constexpr COLORREF kMarkedLineColour = RGB(255, 0, 0);

// The resistor's picture, by layout: upright in the vertical one, lying in the horizontal one.
constexpr RECT kPictureVertical{8, 50, 82, 274};
constexpr RECT kPictureHorizontal{46, 5, 278, 75};

// E12, E24, E96, E48, E192: the lines whose marks follow the tolerance.
constexpr size_t kMarkOrder[] = {2, 3, 5, 4, 6};
} // namespace

std::string CMainDlg::GetValueText() const
{
    return GetDlgItemText(IDC_VALUE);
}

double CMainDlg::GetValueMilliohms() const
{
    return ParseValueText(GetValueText(), GetComboSel(IDC_UNIT));
}

ResistorState CMainDlg::ReadRings() const
{
    ResistorState state;
    state.ringMode = m_settings.m_nRingMode;
    for (size_t slot = 0; slot < kRingSlotCount; ++slot)
        state.positions[slot] = m_bandes[slot]->GetPos();
    return state;
}

void CMainDlg::InvalidatePicture()
{
    const RECT rc = GetTemplateId() == IDD_MAIN_HORIZONTAL ? kPictureHorizontal : kPictureVertical;
    ::InvalidateRect(m_hWnd, &rc, FALSE);
}

void CMainDlg::UpdateFromRings()
{
    const ResistorState state = ReadRings();
    const float hundredths = RingsToValue(state);
    {
        CFlagScope busy(m_bCalcBusy);
        m_sideBar.SetItemText(kGroupCalcs, IDC_CALC_R, FormatDecimal(hundredths / 100.0f, 3));
    }
    const RingValueText value = FormatRingValue(hundredths);
    CComboBox(GetDlgItem(IDC_UNIT)).SetCurSel(value.unit);
    CComboBox(GetDlgItem(IDC_TOLERANCE)).SetCurSel(state.positions[kSlotTolerance] - 1);
    CComboBox(GetDlgItem(IDC_TEMPCO)).SetCurSel(state.positions[kSlotTempCo] - 1);
    // Runs OnValueTextChanged, which reads the value with the unit just selected.
    SetDlgItemText(IDC_VALUE, value.text);
    RefreshStandardValues();
}

// Every scroll code counts, so the value follows the thumb while it is dragged.
void CMainDlg::OnScroll(UINT, UINT, HWND hScrollBar)
{
    for (size_t slot = 0; slot < kRingSlotCount; ++slot)
    {
        if (hScrollBar != nullptr && m_bandes[slot]->GetSafeHwnd() == hScrollBar)
        {
            CFlagScope fromRings(m_bUpdatingFromRings);
            // The moved ring is painted at once; the rest of the picture did not change.
            DessinerBande(static_cast<short>(slot));
            UpdateFromRings();
            break;
        }
    }
}

void CMainDlg::OnValueEditChange()
{
    OnValueTextChanged();
}

void CMainDlg::OnValueTextChanged()
{
    if (!m_bReactToValueEdit)
        return;
    const std::string text = GetValueText();
    m_bReactToValueEdit = false;
    const std::string filtered = FilterValueText(text, GetComboSel(IDC_UNIT));
    if (filtered != text)
        SetDlgItemText(IDC_VALUE, filtered);
    ApplyValueChange(kChangedValue);
    // A value that came from the R field is not written back into it.
    if (!m_bValueFromCalc)
        WriteResistanceField();
    ClearCalcResults();
    m_bReactToValueEdit = true;
}

void CMainDlg::WriteResistanceField()
{
    CFlagScope busy(m_bCalcBusy);
    m_sideBar.SetItemText(kGroupCalcs, IDC_CALC_R,
                          FormatDecimal(static_cast<float>(GetValueMilliohms() * 0.001), 3));
}

void CMainDlg::ApplyValueChange(int which)
{
    RefreshStandardValues();
    if (m_bUpdatingFromRings)
        return;
    switch (which)
    {
    case kChangedValue:
    {
        ResistorState state = ReadRings();
        ValueToRings(GetValueMilliohms(), state.ringMode, state);
        for (int slot : {kSlotFirstDigit, kSlotSecondDigit, kSlotThirdDigit, kSlotMultiplier})
        {
            if (IsRingShown(state.ringMode, slot))
                m_bandes[static_cast<size_t>(slot)]->SetPos(state.positions[static_cast<size_t>(slot)]);
        }
        break;
    }
    case kChangedTolerance:
        m_Bande5.SetPos(GetComboSel(IDC_TOLERANCE) + 1);
        DessinerBande(kSlotTolerance);
        break;
    case kChangedTempCo:
        m_Bande6.SetPos(GetComboSel(IDC_TEMPCO) + 1);
        DessinerBande(kSlotTempCo);
        break;
    default:
        return;
    }
    InvalidatePicture();
}

void CMainDlg::RefreshStandardValues()
{
    const StandardLines lines = StandardSeriesLines(GetValueMilliohms());
    m_standardValues = lines.ohms;
    for (size_t i = 0; i < kSeriesCount; ++i)
        m_sideBar.SetItemText(kGroupStandard, static_cast<UINT>(ID_SERIES_E3 + i), lines.lines[i]);
    const std::array<LineMark, kSeriesCount> marks = ToleranceSeriesMarks(GetComboSel(IDC_TOLERANCE));
    for (size_t i : kMarkOrder)
    {
        const UINT id = static_cast<UINT>(ID_SERIES_E3 + i);
        if (marks[i] == LineMark::Mark)
            m_sideBar.SetItemColor(kGroupStandard, id, kMarkedLineColour);
        else if (marks[i] == LineMark::Unmark)
            m_sideBar.ResetItemColor(kGroupStandard, id);
    }
}

// The number in the box stays and now means another resistance.
void CMainDlg::OnSelChangeUnit()
{
    ApplyValueChange(kChangedValue);
    WriteResistanceField();
}

void CMainDlg::OnSelChangeTolerance()
{
    ApplyValueChange(kChangedTolerance);
}

void CMainDlg::OnSelChangeTempCo()
{
    ApplyValueChange(kChangedTempCo);
}

void CMainDlg::OnStandardValue(UINT id)
{
    const size_t index = id - ID_SERIES_E3;
    CComboBox(GetDlgItem(IDC_UNIT)).SetCurSel(kUnitOhm);
    // The update cycle follows through OnValueTextChanged.
    SetDlgItemText(IDC_VALUE, FormatDecimal(static_cast<float>(m_standardValues[index]), 3));
}
