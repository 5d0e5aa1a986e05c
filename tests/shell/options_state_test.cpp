// What the options sheet changes reaches what the window draws and computes: after OK, a ring
// moved by the user gives the value of the new ring count, and the picture is drawn with the new
// shading and background. Each case runs the whole application in the upright layout.
#include "mainwnd/main_dlg.h"
#include "modal_step.h"
#include "model/main_state.h"
#include "model/ring_colours.h"
#include "picture/resistor_picture.h"
#include "program_key.h"
#include "res/resource.h"
#include "shell/resistor_app.h"
#include "window_test.h"

#include <commctrl.h>

#include <functional>
#include <ostream>
#include <string>

namespace
{
std::string Terminated(const char* pszText)
{
    return std::string(pszText) + '\0';
}

COLORREF Pixel(HWND hWnd, int x, int y)
{
    HDC hDC = ::GetDC(hWnd);
    const COLORREF cr = ::GetPixel(hDC, x, y);
    ::ReleaseDC(hWnd, hDC);
    return cr;
}

COLORREF Colour(int slot, int position)
{
    const RingRgb rgb = RingColour(slot, position).value();
    return RGB(rgb.red, rgb.green, rgb.blue);
}

// The first selector's ring, on its first and its middle column.
POINT RingStart()
{
    const RECT rc = RingRect(kSlotFirstDigit, false);
    return {rc.left, (rc.top + rc.bottom) / 2};
}

CMainDlg* FindMainWindow()
{
    CMainDlg* pFound = nullptr;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL
        {
            auto* pDlg = dynamic_cast<CMainDlg*>(CWnd::FromHandle(hWnd));
            if (pDlg == nullptr || !::IsWindowVisible(hWnd))
                return TRUE;
            *reinterpret_cast<CMainDlg**>(lParam) = pDlg;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&pFound));
    return pFound;
}

struct SheetCase
{
    const char* name;
    const char* pszRings;
    const char* pszGradient;
    const char* pszBackground;
    int nPage;
    std::function<void(HWND hPage)> change;
    // Asked after the first ring was dragged to red.
    std::function<void(CMainDlg& dlg)> check;
};

void PrintTo(const SheetCase& c, std::ostream* os)
{
    *os << c.name;
}

class OptionsStateTest : public CWindowTest, public ::testing::WithParamInterface<SheetCase>
{
protected:
    CProgramKeyGuard m_guard;
};

TEST_P(OptionsStateTest, OkReachesWhatTheWindowDrawsAndComputes)
{
    const SheetCase& c = GetParam();
    StoreRaw(kGeneral, "Premier demarrage", REG_SZ, Terminated("0"));
    StoreRaw(kGeneral, "Nombre bandes", REG_SZ, Terminated(c.pszRings));
    StoreRaw(kInterface, "Sens affichage", REG_SZ, Terminated("0"));
    StoreRaw(kInterface, "Utiliser d\xE9grad\xE9", REG_SZ, Terminated(c.pszGradient));
    StoreRaw(kInterface, "Image fond", REG_SZ, Terminated(c.pszBackground));
    const char* const pszRings[] = {"5", "8", "3", "6", "2", "4"};
    for (int i = 0; i < 6; ++i)
        StoreRaw(kLastState, "Bande " + std::to_string(i + 1), REG_SZ, Terminated(pszRings[i]));

    CResistorApp app;
    int nPhase = 0;
    bool bChecked = false;
    CModalStep step(
        [&]
        {
            CMainDlg* pDlg = FindMainWindow();
            if (pDlg == nullptr)
                return false;
            if (nPhase == 0)
            {
                ::PostMessageA(pDlg->GetSafeHwnd(), WM_COMMAND, ID_OPTIONS, 0);
                nPhase = 1;
                return false;
            }
            if (nPhase == 1)
            {
                HWND hSheet = FindThreadWindow("#32770", pDlg->GetSafeHwnd());
                if (hSheet == nullptr)
                    return false;
                ::SendMessageA(hSheet, PSM_SETCURSEL, static_cast<WPARAM>(c.nPage), 0);
                c.change(reinterpret_cast<HWND>(::SendMessageA(hSheet, PSM_INDEXTOHWND, c.nPage, 0)));
                ::PostMessageA(hSheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
                nPhase = 2;
                return false;
            }
            if (FindThreadWindow("#32770", pDlg->GetSafeHwnd()) != nullptr)
                return false;
            CWindowTest::DragSelector(pDlg->GetDlgItem(IDC_BANDE1), 3);
            ::RedrawWindow(pDlg->GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            c.check(*pDlg);
            bChecked = true;
            ::PostMessageA(pDlg->GetSafeHwnd(), WM_COMMAND, ID_QUIT, 0);
            return true;
        });
    app.Run();
    EXPECT_TRUE(bChecked);
}

// The value box and unit as the state rules give them for the selectors' positions and the count.
void ExpectValueOf(CMainDlg& dlg, int ringMode)
{
    MainState expected;
    expected.rings.ringMode = ringMode;
    for (size_t slot = 0; slot < kRingSlotCount; ++slot)
        expected.rings.positions[slot] = static_cast<int>(
            ::SendDlgItemMessageA(dlg.GetSafeHwnd(), static_cast<int>(IDC_BANDE1 + slot), TBM_GETPOS, 0, 0));
    expected = ShowRings(expected);
    EXPECT_EQ(dlg.GetDlgItemText(IDC_VALUE), expected.valueText);
    EXPECT_EQ(::SendDlgItemMessageA(dlg.GetSafeHwnd(), IDC_UNIT, CB_GETCURSEL, 0, 0), expected.unit);
}

void ChooseRings(HWND hPage, int nIndex)
{
    ::SendDlgItemMessageA(hPage, IDC_OPT_RINGS, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
}

void ExpectRingStart(CMainDlg& dlg, COLORREF cr)
{
    const POINT pt = RingStart();
    EXPECT_EQ(Pixel(dlg.GetSafeHwnd(), pt.x, pt.y), cr) << std::hex << Pixel(dlg.GetSafeHwnd(), pt.x, pt.y);
}

// Pass 0 of the shading is this grey; without shading the ring is its colour up to its edge.
constexpr COLORREF kFirstPass = RGB(210, 210, 210);

const SheetCase kCases[] = {
    {"FiveRingsToFour", "1", "0", "", 0, [](HWND hPage) { ChooseRings(hPage, kRingMode4); },
     [](CMainDlg& dlg)
     {
         ExpectValueOf(dlg, kRingMode4);
         EXPECT_FALSE(::IsWindowVisible(dlg.GetDlgItem(IDC_BANDE3)));
     }},
    {"FourRingsToSix", "0", "0", "", 0, [](HWND hPage) { ChooseRings(hPage, kRingMode6); },
     [](CMainDlg& dlg)
     {
         ExpectValueOf(dlg, kRingMode6);
         EXPECT_TRUE(::IsWindowVisible(dlg.GetDlgItem(IDC_BANDE6)));
     }},
    {"ShadingOn", "2", "0", "", 1, [](HWND hPage) { ::CheckDlgButton(hPage, IDC_OPT_GRADIENT, BST_CHECKED); },
     [](CMainDlg& dlg) { ExpectRingStart(dlg, kFirstPass); }},
    {"ShadingOff", "2", "1", "", 1,
     [](HWND hPage) { ::CheckDlgButton(hPage, IDC_OPT_GRADIENT, BST_UNCHECKED); },
     [](CMainDlg& dlg) { ExpectRingStart(dlg, Colour(kSlotFirstDigit, 3)); }},
    {"BackgroundRemoved", "2", "0",
     "D\xE9"
     "faut",
     1, [](HWND hPage) { ::SendDlgItemMessageA(hPage, IDC_OPT_NO_BACKGROUND, BM_CLICK, 0, 0); },
     [](CMainDlg& dlg)
     {
         EXPECT_EQ(Pixel(dlg.GetSafeHwnd(), 150, 8), ::GetSysColor(COLOR_BTNFACE));
         ExpectRingStart(dlg, Colour(kSlotFirstDigit, 3));
     }},
};

INSTANTIATE_TEST_SUITE_P(Sheet, OptionsStateTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<SheetCase>& param) { return param.param.name; });
} // namespace
