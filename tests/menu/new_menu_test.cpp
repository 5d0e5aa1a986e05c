// Real menus from the program's resources: items made owner-drawn with accelerator texts from
// the table and their pictures, mnemonics answered for the owner, a menu that cannot be loaded,
// and the shown menu's pixels in both looks, saved as pictures beside the test.
#include "menu/new_menu.h"

#include "framework/paint_helpers.h"
#include "framework/scopes.h"
#include "modal_step.h"
#include "picture/dib_file.h"
#include "res/resource.h"
#include "window_test.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace
{
class NewMenuTest : public CWindowTest
{
protected:
    void SetUp() override
    {
        CWindowTest::SetUp();
        m_hOwner = ::CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 100, 100, 200, 100, nullptr,
                                     nullptr, nullptr, nullptr);
        ASSERT_NE(m_hOwner, nullptr);
        ::SetForegroundWindow(m_hOwner);
        m_hAccel = ::LoadAcceleratorsA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_ACCELERATORS));
        ASSERT_NE(m_hAccel, nullptr);
    }
    void TearDown() override
    {
        ::DestroyWindow(m_hOwner);
        CWindowTest::TearDown();
    }

    // Shows the menu, runs look on it once it is on screen (after Down selected its first item,
    // when asked), then closes it.
    void WhileShown(CNewMenu& menu, const std::function<void(HWND hMenuWnd, HMENU hMenu)>& look,
                    bool bSelectFirst = false)
    {
        bool bSeen = false;
        bool bKeyPosted = !bSelectFirst;
        CModalStep step(
            [&]
            {
                HWND hMenuWnd = FindThreadWindow("#32768", nullptr);
                if (hMenuWnd == nullptr)
                    return false;
                if (!std::exchange(bKeyPosted, true))
                {
                    ::PostMessageA(m_hOwner, WM_KEYDOWN, VK_DOWN, 0);
                    return false;
                }
                look(hMenuWnd, reinterpret_cast<HMENU>(::SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0)));
                bSeen = true;
                ::EndMenu();
                return true;
            });
        EXPECT_TRUE(menu.TrackPopupMenu(0, 120, 120, m_hOwner));
        EXPECT_TRUE(bSeen);
    }

    HWND m_hOwner = nullptr;
    HACCEL m_hAccel = nullptr;
};

const CMenuItemData* DataOf(HMENU hMenu, UINT id)
{
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_DATA | MIIM_FTYPE;
    if (!::GetMenuItemInfoA(hMenu, id, FALSE, &mii) || (mii.fType & MFT_OWNERDRAW) == 0)
        return nullptr;
    return reinterpret_cast<const CMenuItemData*>(mii.dwItemData);
}

TEST_F(NewMenuTest, ItemsGetLabelsAcceleratorTextsAndPictures)
{
    CNewMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDM_CONTEXT));
    const UINT kIcons[] = {ID_COPY_VALUE, ID_COPY_PICTURE, ID_SAVE_PICTURE};
    menu.SetAccelerators(m_hAccel);
    menu.SetIcons(IDB_MENU_ICONS, kIcons);
    ::SetMenuDefaultItem(menu.GetPopup(), ID_OPTIONS, FALSE);
    struct Case
    {
        UINT id;
        const char* accelerator;
        int nIcon;
        bool bDefault;
    };
    // The accelerators come from the table, whatever the resource's hint after the tab says.
    const Case cases[] = {
        {ID_COPY_VALUE, "Ctrl+C", 0, false},
        {ID_COPY_PICTURE, "Ctrl+R", 1, false},
        {ID_SAVE_PICTURE, "Ctrl+S", 2, false},
        {ID_RINGS_5, "Alt+5", -1, false},
        {ID_OPTIONS, "", -1, true},
        {ID_TOPMOST, "", -1, false},
    };
    WhileShown(menu,
               [&](HWND, HMENU hMenu)
               {
                   for (const Case& c : cases)
                   {
                       const CMenuItemData* pItem = DataOf(hMenu, c.id);
                       ASSERT_NE(pItem, nullptr) << c.id;
                       EXPECT_EQ(pItem->strAccelerator, c.accelerator) << c.id;
                       EXPECT_EQ(pItem->strLabel.find('\t'), std::string::npos) << c.id;
                       EXPECT_EQ(pItem->nIcon, c.nIcon) << c.id;
                       EXPECT_EQ(pItem->bDefault, c.bDefault) << c.id;
                   }
               });
}

TEST_F(NewMenuTest, TypedMnemonicsNameTheirItemForTheOwner)
{
    CNewMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDM_HELP));
    struct Case
    {
        char ch;
        LRESULT result;
    };
    // "&Aide et assistance", "&Questionnaire...", -, "Site officiel de Vantrel", -, "À &propos...".
    const Case cases[] = {
        {'a', MAKELRESULT(0, MNC_EXECUTE)},
        {'Q', MAKELRESULT(1, MNC_EXECUTE)},
        {'p', MAKELRESULT(5, MNC_EXECUTE)},
        {'s', MAKELRESULT(0, MNC_IGNORE)},
    };
    WhileShown(menu,
               [&](HWND, HMENU hMenu)
               {
                   for (const Case& c : cases)
                       EXPECT_EQ(::SendMessageA(m_hOwner, WM_MENUCHAR, MAKEWPARAM(c.ch, MF_POPUP),
                                                reinterpret_cast<LPARAM>(hMenu)),
                                 c.result)
                           << c.ch;
               });
    // Once the menu is gone the owner answers as it did before.
    EXPECT_EQ(::SendMessageA(m_hOwner, WM_MENUCHAR, MAKEWPARAM('a', MF_POPUP), 0), 0);
}

TEST_F(NewMenuTest, AMenuThatCannotBeLoadedShowsNothing)
{
    CNewMenu menu;
    EXPECT_FALSE(menu.LoadMenu(9999));
    EXPECT_EQ(menu.GetPopup(), nullptr);
    EXPECT_FALSE(menu.TrackPopupMenu(0, 120, 120, m_hOwner));
    EXPECT_EQ(FindThreadWindow("#32768", nullptr), nullptr);
}

// The menu on screen with its first item selected: the XP strip and the selection's frame in
// the XP-like look, neither in the classic look. The pictures stay in the test's folder.
TEST_F(NewMenuTest, ShownMenuHasTheLookOfTheSwitch)
{
    const COLORREF crStrip = LightenColor(::GetSysColor(COLOR_BTNFACE), 0.2);
    const COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    for (const bool bClassic : {false, true})
    {
        CNewMenu::SetMenuDrawMode(bClassic ? InterfaceLook::Classic : InterfaceLook::VisualStyles);
        CNewMenu menu;
        ASSERT_TRUE(menu.LoadMenu(IDM_CONTEXT));
        menu.SetAccelerators(m_hAccel);
        int nStripPixels = 0;
        int nFramePixels = 0;
        bool bSelected = false;
        WhileShown(
            menu,
            [&](HWND hMenuWnd, HMENU hMenu)
            {
                ::UpdateWindow(hMenuWnd);
                bSelected = (::GetMenuState(hMenu, 0, MF_BYPOSITION) & MF_HILITE) != 0;
                RECT rc{};
                ::GetWindowRect(hMenuWnd, &rc);
                const int cx = rc.right - rc.left;
                const int cy = rc.bottom - rc.top;
                HDC hWindowDC = ::GetWindowDC(hMenuWnd);
                CMemoryDCHandle memDC(::CreateCompatibleDC(hWindowDC));
                CBitmapHandle shot(::CreateCompatibleBitmap(hWindowDC, cx, cy));
                {
                    CSelectObject select(memDC.get(), shot.get());
                    ::BitBlt(memDC.get(), 0, 0, cx, cy, hWindowDC, 0, 0, SRCCOPY);
                    ::ReleaseDC(hMenuWnd, hWindowDC);
                    for (int y = 0; y < cy; ++y)
                    {
                        nStripPixels += ::GetPixel(memDC.get(), 6, y) == crStrip ? 1 : 0;
                        nFramePixels += ::GetPixel(memDC.get(), cx / 2, y) == crHighlight ? 1 : 0;
                    }
                }
                CGlobalHandle dib = BitmapToDib(shot.get(), BI_RGB);
                EXPECT_TRUE(dib && WriteBitmapFile(bClassic ? "menu-classic.bmp" : "menu-xp.bmp", dib.get()));
            },
            true);
        ASSERT_TRUE(bSelected);
        if (bClassic)
        {
            EXPECT_EQ(nStripPixels, 0);
            EXPECT_GT(nFramePixels, 10); // the selected item is filled, not framed
        }
        else
        {
            EXPECT_GT(nStripPixels, 100);
            EXPECT_EQ(nFramePixels, 2); // the frame's top and bottom lines
        }
    }
}
} // namespace
