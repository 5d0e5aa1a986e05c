// The main window's side bar: change notifications of the calculator's fields go to the main window.
#include "mainwnd/main_side_bar.h"

#include "mainwnd/main_dlg.h"

#include "res/resource.h"

template <void (CMainDlg::*Handler)()> void CMainSideBar::Forward()
{
    (m_owner.*Handler)();
}

const CMessageEntry CMainSideBar::s_messageEntries[] = {
    OnControl<&CMainSideBar::Forward<&CMainDlg::OnCalcEditR>>(EN_CHANGE, IDC_CALC_R),
    OnControlRange<&CMainSideBar::Forward<&CMainDlg::OnCalcEditUIP>>(EN_CHANGE, IDC_CALC_U, IDC_CALC_P),
};
const CMessageMap CMainSideBar::s_messageMap{CSideBar::s_messageMap, s_messageEntries};
