// The Ohm's law calculator of the side bar's "Calculs" group: a click on a label computes its
// field, a keystroke in a field follows the calculator's rules.
#include "mainwnd/main_dlg.h"

#include "framework/resource_module.h"
#include "res/resource.h"

// Labels and fields stand in the order of the quantities: R, U, I, P.
void CMainDlg::OnCalcCommand(UINT id)
{
    const auto target = static_cast<CalcQuantity>(id - ID_CALC_R);
    Apply(m_state, Calculate(m_state, target, LoadResourceString(IDS_CALC_IMPOSSIBLE)));
}

void CMainDlg::OnCalcEdit(UINT idField)
{
    if (m_bRendering)
        return;
    const size_t index = idField - IDC_CALC_R;
    const auto field = static_cast<CalcQuantity>(index);
    MainState shown = m_state;
    shown.calc[index] = m_sideBar.GetItemText(kGroupCalcs, idField);
    Apply(shown, TypeCalcField(m_state, field, shown.calc[index]));
}
