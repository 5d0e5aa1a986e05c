// The main window: the resistor, its ring selectors, value box and lists, and the side bar.
#pragma once

#include "framework/dialog.h"
#include "mainwnd/main_side_bar.h"

class CMainDlg : public CDialog
{
public:
    explicit CMainDlg(UINT idTemplate, HWND hParent = nullptr);

protected:
    BOOL OnInitDialog() override;

    // The side bar's three groups and their rows, built anew.
    void BuildSideBar();

    CMainSideBar m_sideBar;
};
