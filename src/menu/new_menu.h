// Owner-drawn pop-up menus in an XP-like look (a tinted strip for icons and check marks, the
// selected item framed) or a classic look (the system's menu colours and metrics), switched by
// the interface style. A menu is loaded from the resources, its items are given their texts,
// accelerator texts and pictures, and it is drawn while it is shown.
#pragma once

#include "framework/handles.h"
#include "model/interface_look.h"

#include <windows.h>
#include <commctrl.h>

#include <deque>
#include <span>
#include <string>
#include <vector>

// What an owner-drawn item shows; its address is the item's data while the menu lives.
struct CMenuItemData
{
    std::string strLabel;
    // Right-aligned after the label: "Ctrl+C".
    std::string strAccelerator;
    int nIcon = -1;
    bool bSeparator = false;
    bool bDefault = false;
    bool bSubMenu = false;
};

// Fonts and pictures of one showing of a menu.
struct CMenuPaintTools
{
    bool bClassic = false;
    CFontHandle font;
    CFontHandle boldFont;
    CFontHandle glyphFont;
    HIMAGELIST hIcons = nullptr;
};

class CNewMenu
{
public:
    CNewMenu() = default;
    CNewMenu(const CNewMenu&) = delete;
    CNewMenu& operator=(const CNewMenu&) = delete;

    // The one switch of the menus' look; it holds for every menu shown from then on.
    static void SetMenuDrawMode(InterfaceLook look);
    static bool IsClassic();

    // Menu idMenu from the module in force for menus; false, and no menu, when it cannot be loaded.
    bool LoadMenu(UINT idMenu);
    // The first pop-up of the menu, whose items the caller may check before tracking; null without one.
    HMENU GetPopup() const;
    // Accelerator texts come from this table rather than from the item texts.
    void SetAccelerators(HACCEL hAccel) { m_hAccel = hAccel; }
    // Pictures: cell i of the 16-pixel strip idBitmap of the program's resources (magenta is
    // left out) goes with command commands[i].
    void SetIcons(UINT idBitmap, std::span<const UINT> commands);

    // Shows the pop-up as TrackPopupMenu does, owner-drawn; the choice reaches hOwner as
    // WM_COMMAND. False when there is nothing to show.
    bool TrackPopupMenu(UINT nFlags, int x, int y, HWND hOwner);

private:
    void PrepareItems(HMENU hMenu);
    std::string AcceleratorFor(UINT id) const;
    int IconFor(UINT id) const;
    const CMenuItemData* FindItem(ULONG_PTR itemData) const;
    LRESULT OnMenuChar(char ch, HMENU hMenu) const;
    static LRESULT CALLBACK OwnerProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR refData);

    CMenuHandle m_menu;
    HACCEL m_hAccel = nullptr;
    UINT m_idIcons = 0;
    std::vector<UINT> m_iconCommands;
    // Addresses stay put as items are added.
    std::deque<CMenuItemData> m_items;
    // The labels of each prepared menu, by position, for its mnemonics.
    std::vector<std::pair<HMENU, std::vector<std::string>>> m_labels;
    const CMenuPaintTools* m_pTools = nullptr;

    static inline bool s_bClassic = false;
};
