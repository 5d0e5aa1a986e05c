// Main window: the calculation tools window it owns, what it tells it and what it takes from it.
#include "mainwnd/main_dlg.h"

#include "model/value_text.h"

void CMainDlg::OnCalcTools()
{
    m_calcTools.Open(m_hWnd);
}

double CMainDlg::GetShownMilliohms() const
{
    return ParseValueText(m_state.valueText, m_state.unit);
}

void CMainDlg::UseResistance(double ohms)
{
    Apply(m_state, TakeResistance(m_state, ohms));
}
