// The main window's side bar: the task pane with the calculator's four fields, whose changes
// belong to the main window's calculator.
#pragma once

#include "sidebar/side_bar.h"

class CMainDlg;

class CMainSideBar : public CSideBar
{
public:
    explicit CMainSideBar(CMainDlg& owner) : m_owner(owner) {}

protected:
    bool ProcessMessage(CMessage& msg, LRESULT& result) override;

private:
    LRESULT OnCalcEditR(CMessage& msg);
    LRESULT OnCalcEditUIP(CMessage& msg);

    static const TMessageEntry<CMainSideBar> s_messageMap[];
    CMainDlg& m_owner;
};
