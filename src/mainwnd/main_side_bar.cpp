// The main window's side bar: change notifications of the calculator's fields go to the main window.
#include "mainwnd/main_side_bar.h"

#include "mainwnd/main_dlg.h"

#include "res/resource.h"

template <void (CMainDlg::*Handler)(UINT)> void CMainSideBar::Forward(UINT id)
{
    (m_owner.*Handler)(id);
}

const CMessageEntry CMainSideBar::s_messageEntries[] = {
    OnControlRange<&CMainSideBar::Forward<&CMainDlg::OnCalcEdit>>(EN_CHANGE, IDC_CALC_R, IDC_CALC_P),
};
const CMessageMap CMainSideBar::s_messageMap{CSideBar::s_messageMap, s_messageEntries};
