// Owner-drawn menus: loading, the items' texts and pictures, and the owner's messages while a
// menu is shown.
#include "menu/new_menu.h"

#include "framework/resource_module.h"
#include "menu/menu_item_paint.h"
#include "model/menu_text.h"

#include <algorithm>
#include <optional>

namespace
{
constexpr int kIconSize = 16;
constexpr COLORREF kIconMask = RGB(255, 0, 255);

// Letters, digits and function keys by their own names; other keys as the keyboard names them.
std::string VirtualKeyName(WORD vk)
{
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        return std::string(1, static_cast<char>(vk));
    if (vk >= VK_F1 && vk <= VK_F24)
    {
        const int n = vk - VK_F1 + 1;
        std::string name = "F";
        if (n >= 10)
            name += static_cast<char>('0' + n / 10);
        return name += static_cast<char>('0' + n % 10);
    }
    char szName[64] = {};
    const UINT scan = ::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
    ::GetKeyNameTextA(static_cast<LONG>(scan << 16), szName, sizeof szName);
    return szName;
}

std::string ItemString(HMENU hMenu, int pos)
{
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_STRING;
    if (!::GetMenuItemInfoA(hMenu, static_cast<UINT>(pos), TRUE, &mii) || mii.cch == 0)
        return std::string();
    std::string text(mii.cch + 1, '\0');
    mii.dwTypeData = text.data();
    mii.cch = static_cast<UINT>(text.size());
    if (!::GetMenuItemInfoA(hMenu, static_cast<UINT>(pos), TRUE, &mii))
        return std::string();
    text.resize(mii.cch);
    return text;
}

} // namespace

void CNewMenu::SetMenuDrawMode(InterfaceLook look)
{
    s_bClassic = look == InterfaceLook::Classic;
}

bool CNewMenu::IsClassic()
{
    return s_bClassic;
}

bool CNewMenu::LoadMenu(UINT idMenu)
{
    m_items.clear();
    m_labels.clear();
    m_menu.reset(::LoadMenuA(GetResourceModuleFor(RT_MENU, idMenu), MAKEINTRESOURCEA(idMenu)));
    return GetPopup() != nullptr;
}

HMENU CNewMenu::GetPopup() const
{
    return m_menu ? ::GetSubMenu(m_menu.get(), 0) : nullptr;
}

void CNewMenu::SetIcons(UINT idBitmap, std::span<const UINT> commands)
{
    m_idIcons = idBitmap;
    m_iconCommands.assign(commands.begin(), commands.end());
}

std::string CNewMenu::AcceleratorFor(UINT id) const
{
    if (m_hAccel == nullptr)
        return std::string();
    const int count = ::CopyAcceleratorTableA(m_hAccel, nullptr, 0);
    std::vector<ACCEL> table(static_cast<size_t>(std::max(count, 0)));
    if (table.empty() || ::CopyAcceleratorTableA(m_hAccel, table.data(), count) == 0)
        return std::string();
    for (const ACCEL& accel : table)
    {
        if (accel.cmd != id)
            continue;
        const std::string key = (accel.fVirt & FVIRTKEY) != 0 ? VirtualKeyName(accel.key)
                                                              : std::string(1, static_cast<char>(accel.key));
        return AcceleratorText((accel.fVirt & FCONTROL) != 0, (accel.fVirt & FSHIFT) != 0,
                               (accel.fVirt & FALT) != 0, key);
    }
    return std::string();
}

int CNewMenu::IconFor(UINT id) const
{
    const auto it = std::find(m_iconCommands.begin(), m_iconCommands.end(), id);
    return it == m_iconCommands.end() ? -1 : static_cast<int>(it - m_iconCommands.begin());
}

// Each item becomes owner-drawn with its data; the accelerator table, when it has the
// command, writes the accelerator text instead of the resource's hint.
void CNewMenu::PrepareItems(HMENU hMenu)
{
    const int count = ::GetMenuItemCount(hMenu);
    std::vector<std::string> labels;
    for (int pos = 0; pos < count; ++pos)
    {
        MENUITEMINFOA mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
        if (!::GetMenuItemInfoA(hMenu, static_cast<UINT>(pos), TRUE, &mii))
        {
            labels.emplace_back();
            continue;
        }
        CMenuItemData& item = m_items.emplace_back();
        item.bSeparator = (mii.fType & MFT_SEPARATOR) != 0;
        item.bDefault = (mii.fState & MFS_DEFAULT) != 0;
        item.bSubMenu = mii.hSubMenu != nullptr;
        if (!item.bSeparator)
        {
            MenuItemText text = SplitMenuText(ItemString(hMenu, pos));
            item.strLabel = std::move(text.label);
            std::string strAccelerator = item.bSubMenu ? std::string() : AcceleratorFor(mii.wID);
            item.strAccelerator =
                strAccelerator.empty() ? std::move(text.accelerator) : std::move(strAccelerator);
            item.nIcon = item.bSubMenu ? -1 : IconFor(mii.wID);
        }
        labels.push_back(item.strLabel);

        MENUITEMINFOA owner{};
        owner.cbSize = sizeof owner;
        owner.fMask = MIIM_FTYPE | MIIM_DATA;
        owner.fType = mii.fType | MFT_OWNERDRAW;
        owner.dwItemData = reinterpret_cast<ULONG_PTR>(&item);
        ::SetMenuItemInfoA(hMenu, static_cast<UINT>(pos), TRUE, &owner);
        if (mii.hSubMenu != nullptr)
            PrepareItems(mii.hSubMenu);
    }
    m_labels.emplace_back(hMenu, std::move(labels));
}

bool CNewMenu::TrackPopupMenu(UINT nFlags, int x, int y, HWND hOwner)
{
    HMENU hPopup = GetPopup();
    if (hPopup == nullptr || hOwner == nullptr)
        return false;
    if (m_items.empty())
        PrepareItems(hPopup);
    CMenuPaintTools tools = CreateMenuPaintTools(s_bClassic);
    CImageListHandle icons;
    if (m_idIcons != 0)
        icons.reset(::ImageList_LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_idIcons),
                                           kIconSize, 0, kIconMask, IMAGE_BITMAP, LR_CREATEDIBSECTION));
    tools.hIcons = icons.get();
    m_pTools = &tools;
    // The owner measures and draws the items: its messages pass here first while the menu shows.
    ::SetWindowSubclass(hOwner, OwnerProc, reinterpret_cast<UINT_PTR>(this),
                        reinterpret_cast<DWORD_PTR>(this));
    const BOOL bShown = ::TrackPopupMenu(hPopup, nFlags, x, y, 0, hOwner, nullptr);
    ::RemoveWindowSubclass(hOwner, OwnerProc, reinterpret_cast<UINT_PTR>(this));
    m_pTools = nullptr;
    return bShown != FALSE;
}

const CMenuItemData* CNewMenu::FindItem(ULONG_PTR itemData) const
{
    for (const CMenuItemData& item : m_items)
    {
        if (reinterpret_cast<ULONG_PTR>(&item) == itemData)
            return &item;
    }
    return nullptr;
}

// Owner-drawn items have no text for the system to find mnemonics in: the typed character
// names an item here, run at once when it is the only one with that mnemonic.
LRESULT CNewMenu::OnMenuChar(char ch, HMENU hMenu) const
{
    for (const auto& [hLabelled, labels] : m_labels)
    {
        if (hLabelled != hMenu)
            continue;
        int current = -1;
        for (int pos = 0; pos < static_cast<int>(labels.size()); ++pos)
        {
            if ((::GetMenuState(hMenu, static_cast<UINT>(pos), MF_BYPOSITION) & MF_HILITE) != 0)
                current = pos;
        }
        const std::optional<MnemonicMatch> match = FindMnemonic(labels, ch, current);
        if (match)
            return MAKELRESULT(match->index, match->bUnique ? MNC_EXECUTE : MNC_SELECT);
    }
    return MAKELRESULT(0, MNC_IGNORE);
}

// Nothing here allocates, so nothing can be thrown through the system's window procedure.
LRESULT CALLBACK CNewMenu::OwnerProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                     DWORD_PTR refData)
{
    const auto& self = *reinterpret_cast<const CNewMenu*>(refData);
    switch (message)
    {
    case WM_MEASUREITEM:
    {
        auto& mis = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        const CMenuItemData* pItem = mis.CtlType == ODT_MENU ? self.FindItem(mis.itemData) : nullptr;
        if (pItem == nullptr || self.m_pTools == nullptr)
            break;
        MeasureMenuItem(*pItem, *self.m_pTools, mis);
        return TRUE;
    }
    case WM_DRAWITEM:
    {
        const auto& dis = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const CMenuItemData* pItem = dis.CtlType == ODT_MENU ? self.FindItem(dis.itemData) : nullptr;
        if (pItem == nullptr || self.m_pTools == nullptr)
            break;
        DrawMenuItem(*pItem, *self.m_pTools, dis);
        return TRUE;
    }
    case WM_MENUCHAR:
    {
        HMENU hMenu = reinterpret_cast<HMENU>(lParam);
        const bool bOurs = std::any_of(self.m_labels.begin(), self.m_labels.end(),
                                       [hMenu](const auto& labelled) { return labelled.first == hMenu; });
        if (bOurs)
            return self.OnMenuChar(static_cast<char>(LOWORD(wParam)), hMenu);
        break;
    }
    default:
        break;
    }
    return ::DefSubclassProc(hWnd, message, wParam, lParam);
}
