// The main window's own picture, read back from the screen: rings that follow the selectors in
// both layouts, the background picture, and selectors that show it behind them.
#include "canvas.h"
#include "main_dlg_fixture.h"

#include "framework/scopes.h"
#include "picture/resistor_picture.h"
#include "model/ring_colours.h"

namespace
{
class MainPaintTest : public MainDlgTest
{
protected:
    void Show(UINT idTemplate, const char* pszBackground, bool bGradient = false)
    {
        m_settings.m_nRingMode = kRingMode5;
        m_settings.m_bGradient = bGradient ? TRUE : FALSE;
        m_settings.m_strBackground = pszBackground;
        Open(idTemplate);
        ::ShowWindow(m_hDlg, SW_SHOW);
        Paint();
    }

    void Paint()
    {
        ::UpdateWindow(m_hDlg);
        PumpMessages();
    }

    COLORREF Pixel(HWND hWnd, int x, int y) const
    {
        CClientDC dc(hWnd);
        return ::GetPixel(dc.get(), x, y);
    }

    // The middle of a ring's place, in the window's client coordinates.
    POINT RingCentre(int slot) const
    {
        const RECT rc = RingRect(slot, m_dlg->GetTemplateId() == IDD_MAIN_HORIZONTAL);
        return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }

    COLORREF RingPixel(int slot) const
    {
        const POINT pt = RingCentre(slot);
        return Pixel(m_hDlg, pt.x, pt.y);
    }
};

COLORREF Colour(int slot, int position)
{
    const RingRgb rgb = RingColour(slot, position).value();
    return RGB(rgb.red, rgb.green, rgb.blue);
}

TEST_F(MainPaintTest, RingsFollowTheSelectorsInBothLayouts)
{
    for (UINT idTemplate : {IDD_MAIN_VERTICAL, IDD_MAIN_HORIZONTAL})
    {
        Show(idTemplate, "");
        const RingPositions positions = {5, 8, 3, 6, 2, 4};
        MoveRings(positions);
        Paint();
        for (int slot = 0; slot < 5; ++slot)
            EXPECT_EQ(RingPixel(slot), Colour(slot, positions[static_cast<size_t>(slot)]))
                << idTemplate << " " << slot;
        EXPECT_NE(RingPixel(kSlotTempCo), Colour(kSlotTempCo, 4)) << "no sixth ring with five";
        Close();
    }
}

TEST_F(MainPaintTest, MovedSelectorRepaintsItsRing)
{
    Show(IDD_MAIN_HORIZONTAL, "", true);
    MoveRing(kSlotMultiplier, 6);
    Paint();
    const RECT rc = RingRect(kSlotMultiplier, true);
    // Orange: the far part of a shaded ring ends a shade short of 255; its lit edge is light grey.
    EXPECT_EQ(Pixel(m_hDlg, rc.left + 5, rc.top + 55), RGB(254, 128, 0));
    EXPECT_EQ(Pixel(m_hDlg, rc.left + 5, rc.top), RGB(210, 210, 210));
}

TEST_F(MainPaintTest, BackgroundPictureLiesUnderTheSelectors)
{
    Show(IDD_MAIN_HORIZONTAL, kDefaultBackground);
    CResourcePicture background(IDB_BACKGROUND);
    ASSERT_TRUE(background.IsLoaded());
    EXPECT_EQ(Pixel(m_hDlg, 5, 200), background.Pixel(5, 200));

    HWND hBar = Item(IDC_BANDE1);
    RECT rcBar{};
    ::GetWindowRect(hBar, &rcBar);
    ::MapWindowPoints(nullptr, m_hDlg, reinterpret_cast<POINT*>(&rcBar), 2);
    const RECT rcThumb = [&]
    {
        RECT rc{};
        ::SendMessageA(hBar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&rc));
        return rc;
    }();
    // Below the thumb and beside the groove only the picture shows.
    const int x = 1;
    const int y = rcThumb.bottom + 20;
    EXPECT_EQ(Pixel(hBar, x, y), background.Pixel(rcBar.left + x, rcBar.top + y));
}

TEST_F(MainPaintTest, EraseLeavesThePictureToThePaint)
{
    Show(IDD_MAIN_VERTICAL, "");
    CCanvas canvas(50, 50, RGB(12, 34, 56));
    ::SendMessageA(m_hDlg, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0);
    EXPECT_EQ(canvas.Count({0, 0, 50, 50}, RGB(12, 34, 56)), 2500);
}
} // namespace
