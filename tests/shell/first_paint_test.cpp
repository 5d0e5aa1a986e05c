// The first pictures a process paints, where nothing is cached yet: the upright resistor without
// a background picture, a ring moved there by the mouse and the keyboard, and a window replaced
// while a bitmap file is the background. Each case runs in a process of its own (see the
// CMakeLists), since a picture drawn once before would hide what the first paint does.
#include "mainwnd/main_dlg.h"
#include "model/ring_colours.h"
#include "res/resource.h"
#include "shell/resistor_app.h"
#include "window_test.h"
#include "temp_files.h"

#include <commctrl.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace
{
COLORREF Colour(int slot, int position)
{
    const RingRgb rgb = RingColour(slot, position).value();
    return RGB(rgb.red, rgb.green, rgb.blue);
}

COLORREF Pixel(HWND hWnd, int x, int y)
{
    HDC hDC = ::GetDC(hWnd);
    const COLORREF cr = ::GetPixel(hDC, x, y);
    ::ReleaseDC(hWnd, hDC);
    return cr;
}

// The beige of the body: warm, light, not the button face.
bool IsBody(COLORREF cr)
{
    return GetRValue(cr) > 150 && GetRValue(cr) >= GetGValue(cr) && GetGValue(cr) >= GetBValue(cr) &&
           cr != ::GetSysColor(COLOR_BTNFACE);
}

class FirstPaintTest : public CWindowTest, public ::testing::WithParamInterface<int>
{
protected:
    void SetUp() override
    {
        CWindowTest::SetUp();
        m_settings.m_bFirstRun = FALSE;
        m_settings.m_nStyle = GetParam();
        m_settings.m_nOrientation = 0;
        m_settings.m_strBackground.clear();
        m_settings.m_nRingMode = kRingMode6;
        m_settings.m_bGradient = FALSE;
        const int positions[] = {5, 8, 3, 6, 2, 4};
        for (size_t slot = 0; slot < kRingSlotCount; ++slot)
            m_settings.m_nRingPos[slot] = positions[slot];
    }
    void TearDown() override
    {
        if (m_dlg != nullptr && ::IsWindow(m_dlg->GetSafeHwnd()))
            ::DestroyWindow(m_dlg->GetSafeHwnd());
        m_dlg.reset();
        CWindowTest::TearDown();
    }
    void Open()
    {
        m_dlg = std::make_unique<CMainDlg>(IDD_MAIN_VERTICAL, m_settings);
        ASSERT_TRUE(m_dlg->Create());
        m_hDlg = m_dlg->GetSafeHwnd();
        ::ShowWindow(m_hDlg, SW_SHOW);
        ::UpdateWindow(m_hDlg);
        PumpMessages();
    }

    CAppSettings m_settings;
    std::unique_ptr<CMainDlg> m_dlg;
    HWND m_hDlg = nullptr;
};

// Between the second and the third ring, beside the scales, and a swatch of the digit scale.
TEST_P(FirstPaintTest, UprightPictureWithoutBackgroundShowsBodyScalesAndRings)
{
    Open();
    EXPECT_TRUE(IsBody(Pixel(m_hDlg, 40, 118))) << std::hex << Pixel(m_hDlg, 40, 118);
    EXPECT_EQ(Pixel(m_hDlg, 150, 8), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(Pixel(m_hDlg, 95 + 15 + 3, 52 + 5), Colour(kSlotFirstDigit, 2)) << "brown swatch";
    const int ringStarts[] = {50, 90, 130, 160, 204, 253};
    const int positions[] = {5, 8, 3, 6, 2, 4};
    for (int slot = 0; slot < 6; ++slot)
        EXPECT_EQ(Pixel(m_hDlg, 40, ringStarts[slot] + 7), Colour(slot, positions[slot])) << slot;
}

// A click on the selector's channel, then the Down key: the trackbar moves and tells the window.
TEST_P(FirstPaintTest, RingMovedByMouseAndKeyboardInTheUprightLayout)
{
    Open();
    HWND hBar = m_dlg->GetDlgItem(IDC_BANDE4);
    RECT rc{};
    ::GetClientRect(hBar, &rc);
    const LPARAM ptRight = MAKELPARAM(rc.right - 4, rc.bottom / 2);
    ::SendMessageA(hBar, WM_LBUTTONDOWN, MK_LBUTTON, ptRight);
    ::SendMessageA(hBar, WM_LBUTTONUP, 0, ptRight);
    ::SendMessageA(hBar, WM_KEYDOWN, VK_DOWN, 0);
    ::SendMessageA(hBar, WM_KEYUP, VK_DOWN, 0);
    PumpMessages();
    const int nPos = static_cast<int>(::SendMessageA(hBar, TBM_GETPOS, 0, 0));
    EXPECT_NE(nPos, 6);
    ::UpdateWindow(m_hDlg);
    PumpMessages();
    EXPECT_EQ(Pixel(m_hDlg, 40, 160 + 7), Colour(kSlotMultiplier, nPos));
}

INSTANTIATE_TEST_SUITE_P(Looks, FirstPaintTest, ::testing::Values(kStyleVisualStyles, kStyleClassic),
                         [](const ::testing::TestParamInfo<int>& param)
                         { return param.param == kStyleVisualStyles ? "VisualStyles" : "Classic"; });

int g_nWindowsSeen = 0;
CAppSettings* g_pReplacementSettings = nullptr;

// The first window changes its orientation as the options sheet would; the second closes.
BOOL CALLBACK ReplaceThenQuit(HWND hWnd, LPARAM lParam)
{
    auto* pDlg = dynamic_cast<CMainDlg*>(CWnd::FromHandle(hWnd));
    if (pDlg == nullptr || !::IsWindowVisible(hWnd))
        return TRUE;
    auto& settings = *reinterpret_cast<CAppSettings*>(lParam);
    ++g_nWindowsSeen;
    if (pDlg->GetTemplateId() == IDD_MAIN_VERTICAL)
    {
        settings.m_nOrientation = kOrientationHorizontal;
        pDlg->ApplyInterface(APPLY_ALL);
    }
    else
    {
        ::SendMessageA(hWnd, WM_COMMAND, ID_QUIT, 0);
    }
    return FALSE;
}

class FirstReplacementTest : public CWindowTest
{
};

TEST_F(FirstReplacementTest, UprightWindowWithABitmapFileBecomesHorizontal)
{
    CResistorApp app;
    CAppSettings& settings = app.GetSettings();
    settings.m_bFirstRun = FALSE;
    settings.m_nOrientation = 0;
    settings.m_nStyle = kStyleVisualStyles;
    settings.m_nTransparency = 50;
    settings.m_bGradient = FALSE;
    settings.m_strBackground = TempPath("vantrel-first-replacement.bmp");
    ASSERT_TRUE(WriteColourBitmap(settings.m_strBackground, 40, 20, RGB(40, 90, 200)));
    for (BOOL& bUse : settings.m_bUseSeries)
        bUse = FALSE;
    settings.m_bUseSeries[0] = TRUE;
    settings.m_bGroupOpen[2] = FALSE;
    settings.m_nPosX = 200;
    settings.m_nPosY = 150;
    settings.m_nRingPos[0] = 5;
    settings.m_nRingPos[1] = 8;
    settings.m_nRingPos[3] = 4;
    g_nWindowsSeen = 0;
    g_pReplacementSettings = &settings;
    const UINT_PTR timer =
        ::SetTimer(nullptr, 0, 50,
                   [](HWND, UINT, UINT_PTR, DWORD)
                   {
                       ::EnumThreadWindows(::GetCurrentThreadId(), ReplaceThenQuit,
                                           reinterpret_cast<LPARAM>(g_pReplacementSettings));
                   });
    ASSERT_NE(timer, 0u);
    app.RunMainWindow();
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(g_nWindowsSeen, 2);
    EXPECT_EQ(settings.m_nRingPos[3], 4);
}
} // namespace
