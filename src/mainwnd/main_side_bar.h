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
    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    static const CMessageMap s_messageMap;

private:
    // Runs a handler of the owner, which the fields' notifications do not reach by themselves.
    template <void (CMainDlg::*Handler)(UINT)> void Forward(UINT id);

    static const CMessageEntry s_messageEntries[];
    CMainDlg& m_owner;
};
