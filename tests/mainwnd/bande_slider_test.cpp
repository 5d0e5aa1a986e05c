// Ring selectors on a parent that paints two colours side by side: the control must show the
// parent's pixels behind it, a sunken groove, a round thumb and its tick marks.
#include "canvas.h"

#include "framework/scopes.h"
#include "mainwnd/bande_slider.h"

#include "window_test.h"

#include <commctrl.h>

#include <memory>

namespace
{
constexpr COLORREF kLeftColour = RGB(30, 140, 60);
constexpr COLORREF kRightColour = RGB(150, 60, 160);
constexpr COLORREF kLaterColour = RGB(240, 200, 10);
constexpr int kParentSplit = 100;
constexpr UINT kSliderId = 1000;
const char* const kParentClass = "VantrelSliderTestParent";

COLORREF g_crLeft = kLeftColour;

// The parent paints only in WM_PAINT, so a control that asked it to erase would get nothing.
LRESULT CALLBACK ParentProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    CPaintDC dc(hWnd);
    RECT rc{};
    ::GetClientRect(hWnd, &rc);
    CBrushHandle left(::CreateSolidBrush(g_crLeft));
    CBrushHandle right(::CreateSolidBrush(kRightColour));
    const RECT rcLeft{0, 0, kParentSplit, rc.bottom};
    const RECT rcRight{kParentSplit, 0, rc.right, rc.bottom};
    ::FillRect(dc.get(), &rcLeft, left.get());
    ::FillRect(dc.get(), &rcRight, right.get());
    return 0;
}

COLORREF Sys(int nIndex)
{
    return ::GetSysColor(nIndex);
}

RECT SliderRect(HWND hSlider, UINT message)
{
    RECT rc{};
    ::SendMessageA(hSlider, message, 0, reinterpret_cast<LPARAM>(&rc));
    return rc;
}

class BandeSliderTest : public CWindowTest
{
protected:
    void SetUp() override
    {
        CWindowTest::SetUp();
        g_crLeft = kLeftColour;
        WNDCLASSA wc{};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = kParentClass;
        ::RegisterClassA(&wc);
        m_hParent = ::CreateWindowExA(0, kParentClass, "", WS_POPUP | WS_VISIBLE, 40, 40, 260, 200, nullptr,
                                      nullptr, wc.hInstance, nullptr);
        ASSERT_NE(m_hParent, nullptr);
        // Notifications reach the slider's object through its parent's object.
        ASSERT_TRUE(m_parent.SubclassWindow(m_hParent));
    }

    void TearDown() override
    {
        m_slider.reset();
        if (m_hParent != nullptr)
            ::DestroyWindow(m_hParent);
        CWindowTest::TearDown();
    }

    // A trackbar across the parent's colour border, painted after its parent.
    HWND CreateSlider(DWORD dwStyle, RECT rc, int nMax)
    {
        HWND hSlider = ::CreateWindowExA(0, TRACKBAR_CLASSA, "", WS_CHILD | WS_VISIBLE | dwStyle, rc.left,
                                         rc.top, rc.right - rc.left, rc.bottom - rc.top, m_hParent,
                                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kSliderId)),
                                         ::GetModuleHandleA(nullptr), nullptr);
        if (hSlider == nullptr)
            return nullptr;
        m_slider = std::make_unique<CBandeSlider>();
        m_slider->SubclassWindow(hSlider);
        ::SendMessageA(hSlider, TBM_SETRANGE, FALSE, MAKELPARAM(1, nMax));
        ::SendMessageA(hSlider, TBM_SETPOS, TRUE, 1);
        Repaint(hSlider);
        return hSlider;
    }

    void Repaint(HWND hSlider)
    {
        ::UpdateWindow(m_hParent);
        ::InvalidateRect(hSlider, nullptr, FALSE);
        ::UpdateWindow(hSlider);
    }

    static COLORREF Pixel(HWND hWnd, int x, int y)
    {
        CClientDC dc(hWnd);
        return ::GetPixel(dc.get(), x, y);
    }

    LRESULT Notify(NMCUSTOMDRAW& nmcd)
    {
        return ::SendMessageA(m_hParent, WM_NOTIFY, kSliderId, reinterpret_cast<LPARAM>(&nmcd));
    }

    HWND m_hParent = nullptr;
    CWnd m_parent;
    std::unique_ptr<CBandeSlider> m_slider;
};

TEST_F(BandeSliderTest, HorizontalSliderShowsTheParentBehindGrooveAndRoundThumb)
{
    // Client x 10 to 160 of the control: the parent's border lies at the control's x 70.
    HWND hSlider = CreateSlider(TBS_HORZ | TBS_NOTICKS, {30, 50, 180, 77}, 10);
    ASSERT_NE(hSlider, nullptr);
    const RECT rcChannel = SliderRect(hSlider, TBM_GETCHANNELRECT);
    const RECT rcThumb = SliderRect(hSlider, TBM_GETTHUMBRECT);
    ASSERT_LT(rcThumb.right, 60) << "the thumb stands at the left end";

    EXPECT_EQ(Pixel(hSlider, 65, 1), kLeftColour);
    EXPECT_EQ(Pixel(hSlider, 75, 1), kRightColour);
    EXPECT_EQ(Pixel(hSlider, 140, 25), kRightColour);

    // The groove: two pixels above and below the channel, sunken.
    const int x = 120;
    EXPECT_EQ(Pixel(hSlider, x, rcChannel.top - 2), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(Pixel(hSlider, x, rcChannel.top - 1), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(Pixel(hSlider, x, rcChannel.bottom + 1), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(Pixel(hSlider, x, rcChannel.top - 3), kRightColour);
    EXPECT_EQ(Pixel(hSlider, x, rcChannel.bottom + 2), kRightColour);

    // An ellipse with the pen's outline, not the thumb's rectangle.
    const int cx = (rcThumb.left + rcThumb.right) / 2;
    const int cy = (rcThumb.top + rcThumb.bottom) / 2;
    EXPECT_EQ(Pixel(hSlider, cx, cy), Sys(COLOR_BTNFACE));
    EXPECT_EQ(Pixel(hSlider, cx, rcThumb.top), RGB(0, 0, 0));
    EXPECT_EQ(Pixel(hSlider, rcThumb.left, rcThumb.top), kLeftColour);
}

TEST_F(BandeSliderTest, VerticalSliderKeepsItsTickMarksAndAWiderGroove)
{
    HWND hSlider = CreateSlider(TBS_VERT | TBS_LEFT | TBS_AUTOTICKS, {40, 20, 72, 180}, 10);
    ASSERT_NE(hSlider, nullptr);
    const RECT rcChannel = SliderRect(hSlider, TBM_GETCHANNELRECT);
    const RECT rcThumb = SliderRect(hSlider, TBM_GETTHUMBRECT);
    ASSERT_GT(rcChannel.bottom - rcChannel.top, rcChannel.right - rcChannel.left);

    const int y = (rcThumb.bottom + rcChannel.bottom) / 2;
    EXPECT_EQ(Pixel(hSlider, rcChannel.left - 1, y), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(Pixel(hSlider, rcChannel.right, y), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(Pixel(hSlider, rcChannel.left - 2, y), kLeftColour);

    // One tick mark per position stands left of the thumb, in the trackbar's own colour.
    int nMarkedRows = 0;
    for (int nRow = 0; nRow < 160; ++nRow)
    {
        bool bMarked = false;
        for (int x = 0; x < rcThumb.left; ++x)
            bMarked = bMarked || Pixel(hSlider, x, nRow) != kLeftColour;
        nMarkedRows += bMarked ? 1 : 0;
    }
    EXPECT_GE(nMarkedRows, 10);
}

TEST_F(BandeSliderTest, OnlyPureBlackSurvivesOverTheBackground)
{
    HWND hSlider = CreateSlider(TBS_HORZ | TBS_NOTICKS, {30, 50, 180, 77}, 10);
    ASSERT_NE(hSlider, nullptr);
    CCanvas canvas(150, 27, RGB(250, 250, 250));
    ::SetPixel(canvas.dc(), 5, 1, RGB(0, 0, 0));
    ::SetPixel(canvas.dc(), 6, 1, RGB(1, 1, 1));
    ::SetPixel(canvas.dc(), 90, 1, RGB(0, 0, 0));
    ::SetPixel(canvas.dc(), 91, 1, RGB(0, 0, 1));
    ::SetBkColor(canvas.dc(), RGB(9, 8, 7));
    ::SetTextColor(canvas.dc(), RGB(6, 5, 4));
    NMCUSTOMDRAW nmcd{};
    nmcd.rc = SliderRect(hSlider, TBM_GETCHANNELRECT);
    m_slider->DrawChannel(canvas.dc(), nmcd);

    EXPECT_EQ(canvas.Pixel(5, 1), RGB(0, 0, 0));
    EXPECT_EQ(canvas.Pixel(6, 1), kLeftColour);
    EXPECT_EQ(canvas.Pixel(90, 1), RGB(0, 0, 0));
    EXPECT_EQ(canvas.Pixel(91, 1), kRightColour);
    EXPECT_EQ(canvas.Pixel(20, 1), kLeftColour);
    EXPECT_EQ(::GetBkColor(canvas.dc()), RGB(9, 8, 7));
    EXPECT_EQ(::GetTextColor(canvas.dc()), RGB(6, 5, 4));
}

TEST_F(BandeSliderTest, BackgroundIsTakenAtTheFirstPaintOnly)
{
    HWND hSlider = CreateSlider(TBS_HORZ | TBS_NOTICKS, {30, 50, 180, 77}, 10);
    ASSERT_NE(hSlider, nullptr);
    g_crLeft = kLaterColour;
    ::InvalidateRect(m_hParent, nullptr, FALSE);
    Repaint(hSlider);
    EXPECT_EQ(Pixel(m_hParent, 5, 5), kLaterColour);
    EXPECT_EQ(Pixel(hSlider, 20, 1), kLeftColour);
}

TEST_F(BandeSliderTest, DraggedThumbTakesTheHighlightColour)
{
    HWND hSlider = CreateSlider(TBS_HORZ | TBS_NOTICKS, {30, 50, 180, 77}, 10);
    ASSERT_NE(hSlider, nullptr);
    const RECT rcThumb = SliderRect(hSlider, TBM_GETTHUMBRECT);
    const struct
    {
        UINT uItemState;
        int nColor;
    } cases[] = {
        {CDIS_SELECTED, COLOR_BTNHIGHLIGHT}, {CDIS_SELECTED | CDIS_FOCUS, COLOR_BTNHIGHLIGHT},
        {CDIS_DEFAULT, COLOR_BTNFACE},       {CDIS_FOCUS, COLOR_BTNFACE},
        {CDIS_HOT, COLOR_BTNFACE}, // the mouse only passes over it
    };
    for (const auto& c : cases)
    {
        CCanvas canvas(150, 27, RGB(250, 250, 250));
        NMCUSTOMDRAW nmcd{};
        nmcd.uItemState = c.uItemState;
        m_slider->DrawThumb(canvas.dc(), nmcd);
        EXPECT_EQ(canvas.Pixel((rcThumb.left + rcThumb.right) / 2, (rcThumb.top + rcThumb.bottom) / 2),
                  Sys(c.nColor))
            << c.uItemState;
    }
}

TEST_F(BandeSliderTest, ThumbHighlightFollowsAMouseDragUntilRelease)
{
    HWND hSlider = CreateSlider(TBS_HORZ | TBS_NOTICKS, {30, 50, 180, 77}, 10);
    ASSERT_NE(hSlider, nullptr);
    const RECT rcThumb = SliderRect(hSlider, TBM_GETTHUMBRECT);
    const int cx = (rcThumb.left + rcThumb.right) / 2;
    const int cy = (rcThumb.top + rcThumb.bottom) / 2;
    ::SendMessageA(hSlider, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cx, cy));
    Repaint(hSlider);
    EXPECT_EQ(Pixel(hSlider, cx, cy), Sys(COLOR_BTNHIGHLIGHT));
    ::SendMessageA(hSlider, WM_LBUTTONUP, 0, MAKELPARAM(cx, cy));
    Repaint(hSlider);
    EXPECT_EQ(Pixel(hSlider, cx, cy), Sys(COLOR_BTNFACE));
}

TEST_F(BandeSliderTest, CustomDrawAnswersByStageAndPart)
{
    HWND hSlider = CreateSlider(TBS_HORZ | TBS_NOTICKS, {30, 50, 180, 77}, 10);
    ASSERT_NE(hSlider, nullptr);
    CCanvas canvas(150, 27, RGB(250, 250, 250));
    const struct
    {
        DWORD dwStage;
        DWORD_PTR dwItem;
        LRESULT expected;
    } cases[] = {
        {CDDS_PREPAINT, 0, CDRF_NOTIFYITEMDRAW},
        {CDDS_PREERASE, 0, CDRF_DODEFAULT},
        {CDDS_ITEMPREPAINT, TBCD_TICS, CDRF_DODEFAULT},
        {CDDS_ITEMPREPAINT, TBCD_THUMB, CDRF_SKIPDEFAULT},
        {CDDS_ITEMPREPAINT, TBCD_CHANNEL, CDRF_SKIPDEFAULT},
        {CDDS_ITEMPOSTPAINT, TBCD_THUMB, CDRF_DODEFAULT},
        {CDDS_POSTPAINT, 0, CDRF_DODEFAULT},
    };
    for (const auto& c : cases)
    {
        NMCUSTOMDRAW nmcd{};
        nmcd.hdr = {hSlider, kSliderId, static_cast<UINT>(NM_CUSTOMDRAW)};
        nmcd.dwDrawStage = c.dwStage;
        nmcd.dwItemSpec = c.dwItem;
        nmcd.hdc = canvas.dc();
        EXPECT_EQ(Notify(nmcd), c.expected) << c.dwStage << " " << c.dwItem;
    }
}

TEST_F(BandeSliderTest, EraseBackgroundPaintsNothing)
{
    HWND hSlider = CreateSlider(TBS_HORZ | TBS_NOTICKS, {30, 50, 180, 77}, 10);
    ASSERT_NE(hSlider, nullptr);
    CCanvas canvas(150, 27, RGB(250, 250, 250));
    EXPECT_EQ(::SendMessageA(hSlider, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0), FALSE);
    EXPECT_EQ(canvas.Count({0, 0, 150, 27}, RGB(250, 250, 250)), 150 * 27);
}
} // namespace
