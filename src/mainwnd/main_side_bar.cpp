// The main window's side bar: change notifications of the calculator's fields go to the main window.
#include "mainwnd/main_side_bar.h"

#include "mainwnd/main_dlg.h"

#include "res/resource.h"

const TMessageEntry<CMainSideBar> CMainSideBar::s_messageMap[] = {
    OnControl(EN_CHANGE, IDC_CALC_R, &CMainSideBar::OnCalcEditR),
    OnControl(EN_CHANGE, IDC_CALC_U, &CMainSideBar::OnCalcEditUIP),
    OnControl(EN_CHANGE, IDC_CALC_I, &CMainSideBar::OnCalcEditUIP),
    OnControl(EN_CHANGE, IDC_CALC_P, &CMainSideBar::OnCalcEditUIP),
};

bool CMainSideBar::ProcessMessage(CMessage& msg, LRESULT& result)
{
    return DispatchTable(this, s_messageMap, msg, result) || CSideBar::ProcessMessage(msg, result);
}

LRESULT CMainSideBar::OnCalcEditR(CMessage&)
{
    m_owner.OnCalcEditR();
    return 0;
}

LRESULT CMainSideBar::OnCalcEditUIP(CMessage&)
{
    m_owner.OnCalcEditUIP();
    return 0;
}
