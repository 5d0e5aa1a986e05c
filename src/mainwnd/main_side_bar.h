// The main window's side bar: the task pane with the calculator's four fields, whose changes
// belong to the main window's calculator.
#pragma once

#include "sidebar/side_bar.h"

class CMainDlg;

// The main side bar's groups, by index: standard values, tasks, calculator.
constexpr int kGroupStandard = 0;
constexpr int kGroupTasks = 1;
constexpr int kGroupCalcs = 2;

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
