// The Ohm's law calculator of the side bar's "Calculs" group. Writing a field raises its
// EN_CHANGE before the write returns: m_bCalcBusy keeps the calculator's own writes from being
// taken for the user's edits, m_bValueFromCalc keeps the R field from being written back.
#include "mainwnd/flag_scope.h"
#include "mainwnd/main_dlg.h"

#include "framework/resource_module.h"
#include "model/ohms_law.h"
#include "model/value_text.h"
#include "res/resource.h"

namespace
{
struct CalcRow
{
    UINT commandId;
    UINT fieldId;
    CalcQuantity quantity;
};

const CalcRow kCalcRows[] = {
    {ID_CALC_R, IDC_CALC_R, CalcQuantity::R},
    {ID_CALC_U, IDC_CALC_U, CalcQuantity::U},
    {ID_CALC_I, IDC_CALC_I, CalcQuantity::I},
    {ID_CALC_P, IDC_CALC_P, CalcQuantity::P},
};

// The fields that ClearCalcResults empties when they hold a result, in this order.
constexpr UINT kResultFields[] = {IDC_CALC_U, IDC_CALC_I, IDC_CALC_P};
} // namespace

void CMainDlg::OnCalcCommand(UINT id)
{
    for (const CalcRow& row : kCalcRows)
    {
        if (row.commandId != id)
            continue;
        // The write below also reaches the R field's handler, which must not set the resistor.
        CFlagScope busy(m_bCalcBusy);
        const std::string strImpossible = LoadResourceString(IDS_CALC_IMPOSSIBLE);
        CalcValues values;
        values.u = ReadCalcField(m_sideBar.GetItemText(kGroupCalcs, IDC_CALC_U));
        values.i = ReadCalcField(m_sideBar.GetItemText(kGroupCalcs, IDC_CALC_I));
        values.r = ReadCalcField(m_sideBar.GetItemText(kGroupCalcs, IDC_CALC_R));
        values.p = ReadCalcField(m_sideBar.GetItemText(kGroupCalcs, IDC_CALC_P));
        m_sideBar.SetItemText(kGroupCalcs, row.fieldId, CalcResultText(row.quantity, values, strImpossible));
    }
}

void CMainDlg::ClearCalcResults()
{
    if (m_bCalcBusy)
        return;
    CFlagScope busy(m_bCalcBusy);
    for (UINT id : kResultFields)
    {
        if (IsCalcResultText(m_sideBar.GetItemText(kGroupCalcs, id)))
            m_sideBar.SetItemText(kGroupCalcs, id, std::string());
    }
}

void CMainDlg::OnCalcEditR()
{
    if (m_bCalcBusy)
        return;
    const std::string strKept(KeptResistanceText(m_sideBar.GetItemText(kGroupCalcs, IDC_CALC_R)));
    // No CBN_SELCHANGE follows: the value box write below runs the update cycle in ohms.
    CComboBox(GetDlgItem(IDC_UNIT)).SetCurSel(kUnitOhm);
    CFlagScope fromCalc(m_bValueFromCalc);
    SetDlgItemText(IDC_VALUE, strKept);
}

void CMainDlg::OnCalcEditUIP()
{
    if (!m_bCalcBusy)
        ClearCalcResults();
}
