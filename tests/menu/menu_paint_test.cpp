// One menu item drawn into memory in each look: the XP strip and the selection's frame, the
// classic colours, separators, the bold default item and right-aligned accelerator texts.
#include "menu/menu_item_paint.h"

#include "framework/paint_helpers.h"
#include "framework/scopes.h"
#include "window_test.h"

#include <string>

namespace
{
constexpr int kWidth = 320;
constexpr int kHeight = 24;

CMenuPaintTools MakeTools(bool bClassic)
{
    CNewMenu::SetMenuDrawMode(bClassic ? InterfaceLook::Classic : InterfaceLook::VisualStyles);
    return CreateMenuPaintTools(bClassic);
}

// The item drawn on a canvas of its own; pixels are read back with GetPixel.
class CDrawnItem
{
public:
    CDrawnItem(const CMenuItemData& item, const CMenuPaintTools& tools, UINT state)
    {
        CClientDC screen(nullptr);
        m_dc.reset(::CreateCompatibleDC(screen.get()));
        m_bitmap.reset(::CreateCompatibleBitmap(screen.get(), kWidth, kHeight));
        m_select = CSelectObject(m_dc.get(), m_bitmap.get());
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_MENU;
        dis.itemState = state;
        dis.hDC = m_dc.get();
        dis.rcItem = {0, 0, kWidth, kHeight};
        DrawMenuItem(item, tools, dis);
    }
    COLORREF At(int x, int y) const { return ::GetPixel(m_dc.get(), x, y); }
    // Pixels of colour cr inside columns [x0, x1).
    int Count(COLORREF cr, int x0 = 0, int x1 = kWidth) const
    {
        int n = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = x0; x < x1; ++x)
                n += At(x, y) == cr ? 1 : 0;
        return n;
    }
    // The rightmost column holding colour cr, -1 for none.
    int Rightmost(COLORREF cr) const
    {
        for (int x = kWidth - 1; x >= 0; --x)
            for (int y = 0; y < kHeight; ++y)
                if (At(x, y) == cr)
                    return x;
        return -1;
    }

private:
    CMemoryDCHandle m_dc;
    CBitmapHandle m_bitmap;
    CSelectObject m_select;
};

CMenuItemData Item(const char* pszLabel, const char* pszAccelerator = "")
{
    CMenuItemData item;
    item.strLabel = pszLabel;
    item.strAccelerator = pszAccelerator;
    return item;
}

using MenuPaintTest = CWindowTest;

TEST_F(MenuPaintTest, EachLookHasItsOwnStripSelectionAndBody)
{
    const COLORREF crFace = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF crMenu = ::GetSysColor(COLOR_MENU);
    struct Case
    {
        bool bClassic;
        UINT state;
        COLORREF edge;  // column 0
        COLORREF strip; // column 3, inside the XP strip
        COLORREF body;  // far right, where no text is
    };
    const Case cases[] = {
        {false, 0, LightenColor(crFace, 0.2), LightenColor(crFace, 0.2), LightenColor(crFace, 0.85)},
        {false, ODS_SELECTED, crHighlight, LightenColor(crHighlight, 0.7), LightenColor(crHighlight, 0.7)},
        {true, 0, crMenu, crMenu, crMenu},
        {true, ODS_SELECTED, crHighlight, crHighlight, crHighlight},
        // Greyed items are never shown selected.
        {false, ODS_SELECTED | ODS_GRAYED, LightenColor(crFace, 0.2), LightenColor(crFace, 0.2),
         LightenColor(crFace, 0.85)},
    };
    for (const Case& c : cases)
    {
        const CMenuPaintTools tools = MakeTools(c.bClassic);
        const CDrawnItem drawn(Item("&Toujours au premier plan"), tools, c.state);
        const int yMiddle = kHeight / 2;
        EXPECT_EQ(drawn.At(0, yMiddle), c.edge) << c.bClassic << " " << c.state;
        EXPECT_EQ(drawn.At(3, yMiddle), c.strip) << c.bClassic << " " << c.state;
        EXPECT_EQ(drawn.At(kWidth - 3, yMiddle), c.body) << c.bClassic << " " << c.state;
        // The selection's frame runs along the top in the XP-like look only.
        const bool bFramed = !c.bClassic && c.state == ODS_SELECTED;
        EXPECT_EQ(drawn.At(kWidth / 2, 0) == crHighlight, bFramed || (c.bClassic && c.state == ODS_SELECTED));
        EXPECT_EQ(drawn.At(kWidth - 3, 0) == crHighlight && drawn.At(kWidth - 3, yMiddle) != crHighlight,
                  bFramed);
    }
}

TEST_F(MenuPaintTest, SeparatorsStartAfterTheXpStripAndAreEtchedInTheClassicLook)
{
    CMenuItemData separator;
    separator.bSeparator = true;
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const int yMiddle = kHeight / 2;

    const CDrawnItem xp(separator, MakeTools(false), 0);
    const int nStart = xp.Rightmost(LightenColor(::GetSysColor(COLOR_BTNFACE), 0.2)) + 1;
    EXPECT_GT(nStart, 16);
    EXPECT_NE(xp.At(nStart + 2, yMiddle), crShadow);
    EXPECT_EQ(xp.At(nStart + 8, yMiddle), crShadow);
    EXPECT_EQ(xp.At(kWidth - 1, yMiddle), crShadow);

    const CDrawnItem classic(separator, MakeTools(true), 0);
    EXPECT_EQ(classic.At(3, yMiddle - 1), crShadow);
    EXPECT_EQ(classic.Count(::GetSysColor(COLOR_3DHILIGHT)) > 0, true);
}

TEST_F(MenuPaintTest, DefaultItemIsBoldAndAcceleratorsEndAtOneColumn)
{
    for (const bool bClassic : {false, true})
    {
        const CMenuPaintTools tools = MakeTools(bClassic);
        const COLORREF crText = ::GetSysColor(COLOR_MENUTEXT);
        CMenuItemData plain = Item("A&utres options du programme...");
        CMenuItemData bold = plain;
        bold.bDefault = true;
        EXPECT_GT(CDrawnItem(bold, tools, 0).Count(crText),
                  CDrawnItem(plain, tools, 0).Count(crText) * 11 / 10)
            << bClassic;

        MEASUREITEMSTRUCT plainSize{};
        MEASUREITEMSTRUCT boldSize{};
        MeasureMenuItem(plain, tools, plainSize);
        MeasureMenuItem(bold, tools, boldSize);
        EXPECT_GT(boldSize.itemWidth, plainSize.itemWidth);
        EXPECT_GE(plainSize.itemHeight, 16u);

        // "Ctrl+C" and "Alt+4" are of different widths and end at the same column, near the right.
        const int nEndCopy = CDrawnItem(Item("Copier", "Ctrl+C"), tools, 0).Rightmost(crText);
        const int nEndRings = CDrawnItem(Item("&4 anneaux", "Alt+4"), tools, 0).Rightmost(crText);
        EXPECT_LE(std::abs(nEndCopy - nEndRings), 1) << bClassic;
        EXPECT_GT(nEndCopy, kWidth - 40);
    }
}

TEST_F(MenuPaintTest, ChecksAndSubMenuArrowsAreDrawnGlyphs)
{
    const COLORREF crText = ::GetSysColor(COLOR_MENUTEXT);
    const COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    CMenuItemData sub = Item("&Nombre d'anneaux");
    sub.bSubMenu = true;
    for (const bool bClassic : {false, true})
    {
        const CMenuPaintTools tools = MakeTools(bClassic);
        const CDrawnItem checked(Item("&5 anneaux"), tools, ODS_CHECKED);
        const CDrawnItem unchecked(Item("&5 anneaux"), tools, 0);
        EXPECT_GT(checked.Count(crText, 0, 16), 4) << bClassic;
        EXPECT_EQ(unchecked.Count(crText, 0, 16), 0) << bClassic;
        // The XP-like look boxes the check mark in the highlight colour.
        EXPECT_EQ(checked.Count(crHighlight, 0, 24) > 0, !bClassic);
        EXPECT_GT(CDrawnItem(sub, tools, 0).Count(crText, kWidth - 24, kWidth), 4) << bClassic;
    }
}
} // namespace
