// The main window: the resistor, its ring selectors, value box and lists, and the side bar.
#pragma once

#include "framework/dialog.h"
#include "mainwnd/main_side_bar.h"

#include <array>

// The settings that decide the side bar's content and look, handed over by the application.
struct CSideBarContent
{
    std::array<bool, 7> bUseSeries{false, true, true, true, false, false, false}; // E3 ... E192
    std::array<bool, 3> bGroupOpen{true, true, true};
    bool bTopmost = false;
    int nStyle = SIDEBAR_STYLE_XP;
};

class CMainDlg : public CDialog
{
public:
    explicit CMainDlg(UINT idTemplate, HWND hParent = nullptr);

    // Set before the window runs; the side bar is built from it at initialisation.
    void SetSideBarContent(const CSideBarContent& content) { m_sideBarContent = content; }

protected:
    BOOL OnInitDialog() override;

    // The side bar's three groups and their rows, built anew.
    void BuildSideBar();

    CMainSideBar m_sideBar;
    CSideBarContent m_sideBarContent;
};
