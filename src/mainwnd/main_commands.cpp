// Main window: the command layer. The context menu and the side bar's pop-up menus, owner-drawn
// in the look of the settings; the accelerators and hot keys; the toggles; and the commands that
// open what the shell provides.
#include "mainwnd/main_dlg.h"

#include "menu/new_menu.h"
#include "res/resource.h"

#include <iterator>

namespace
{
// The menu items that show a small picture, in the order of the pictures' strip.
constexpr UINT kIconCommands[] = {ID_COPY_VALUE, ID_COPY_PICTURE, ID_SAVE_PICTURE, ID_PRINT_RESISTOR,
                                  ID_PRINT_VALUE};

// The pop-up menu each side-bar link opens.
struct CTaskMenu
{
    UINT idCommand;
    UINT idMenu;
};
constexpr CTaskMenu kTaskMenus[] = {
    {ID_COPY_MENU, IDM_COPY},
    {ID_SUPPORT_MENU, IDM_HELP},
    {ID_SUPPORT_MENU_OTHER, IDM_HELP},
    {ID_PRINT_MENU, IDM_PRINT},
};

// Hot keys 1 to 6 run the commands of the rings and of the export.
constexpr UINT kHotKeyCommands[] = {ID_RINGS_4,    ID_RINGS_5,      ID_RINGS_6,
                                    ID_COPY_VALUE, ID_COPY_PICTURE, ID_SAVE_PICTURE};

UINT CheckFlag(bool bChecked)
{
    return MF_BYCOMMAND | (bChecked ? MF_CHECKED : MF_UNCHECKED);
}
} // namespace

bool CMainDlg::PreTranslateMessage(MSG& msg)
{
    return m_hAccel != nullptr && ::TranslateAcceleratorA(m_hWnd, m_hAccel, &msg) != 0;
}

template <class Prepare> void CMainDlg::ShowMenu(UINT idMenu, POINT ptScreen, Prepare prepare)
{
    CNewMenu::SetMenuDrawMode(MenuLookOf(m_settings.m_nStyle));
    CNewMenu menu;
    // A menu that cannot be loaded offers nothing; there is nothing to tell the user.
    if (!menu.LoadMenu(idMenu))
        return;
    menu.SetAccelerators(m_hAccel);
    menu.SetIcons(IDB_MENU_ICONS, kIconCommands);
    prepare(menu.GetPopup());
    menu.TrackPopupMenu(0, ptScreen.x, ptScreen.y, m_hWnd);
}

// The checks follow what the window shows: topmost and the side bar are on only for 1.
void CMainDlg::OnContextMenu(HWND, POINT ptScreen)
{
    // From the keyboard the message carries no point: the menu opens at the window's corner.
    if (ptScreen.x == -1 && ptScreen.y == -1)
    {
        ptScreen = {0, 0};
        ::ClientToScreen(m_hWnd, &ptScreen);
    }
    ShowMenu(IDM_CONTEXT, ptScreen,
             [this](HMENU hPopup)
             {
                 ::CheckMenuItem(hPopup, ID_TOPMOST, CheckFlag(m_settings.m_bTopmost == 1));
                 ::CheckMenuItem(hPopup, ID_TOGGLE_SIDEBAR, CheckFlag(m_settings.m_bShowSideBar == 1));
                 for (int nMode = kRingMode4; nMode <= kRingMode6; ++nMode)
                     ::CheckMenuItem(hPopup, static_cast<UINT>(ID_RINGS_4 + nMode - kRingMode4),
                                     CheckFlag(m_settings.m_nRingMode == nMode));
                 ::SetMenuDefaultItem(hPopup, ID_OPTIONS, FALSE);
             });
}

void CMainDlg::OnTaskMenu(UINT id)
{
    POINT pt{};
    if (!::GetCursorPos(&pt))
        return;
    for (const CTaskMenu& task : kTaskMenus)
    {
        if (task.idCommand == id)
            ShowMenu(task.idMenu, pt, [](HMENU) {});
    }
}

void CMainDlg::OnHotKey(UINT idHotKey)
{
    if (idHotKey < 1 || idHotKey > std::size(kHotKeyCommands))
        return;
    ::SendMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(kHotKeyCommands[idHotKey - 1], 0), 0);
}

void CMainDlg::OnUseRings(UINT id)
{
    UseRings(kRingMode4 + static_cast<int>(id - ID_RINGS_4));
}

void CMainDlg::OnToggleTopmost()
{
    m_settings.m_bTopmost = m_settings.m_bTopmost == 1 ? FALSE : TRUE;
    ApplyInterface(APPLY_TOPMOST);
}

void CMainDlg::OnToggleSideBar()
{
    m_settings.m_bShowSideBar = m_settings.m_bShowSideBar == 1 ? FALSE : TRUE;
    ApplyInterface(APPLY_SIDEBAR);
}

void CMainDlg::OnQuit()
{
    EndDialog(IDOK);
}

void CMainDlg::OnOptions()
{
    if (m_pHost != nullptr)
        m_pHost->ShowOptions(*this);
}

void CMainDlg::OnQuiz()
{
    if (m_pHost != nullptr)
        m_pHost->StartQuiz(m_hWnd);
}

void CMainDlg::OnUpdateTool()
{
    if (m_pHost != nullptr)
        m_pHost->LaunchUpdateTool(m_hWnd);
}

void CMainDlg::OnWebPage()
{
    if (m_pHost != nullptr)
        m_pHost->OpenWebPage(m_hWnd);
}

void CMainDlg::OnAbout()
{
    if (m_pHost != nullptr)
        m_pHost->ShowAbout(m_hWnd);
}
