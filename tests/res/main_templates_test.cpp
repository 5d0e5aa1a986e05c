// The main window's two templates, created for real: every control's class and styles, and the
// places that matter: each selector over its ring of the picture, every control inside the window.
#include "mainwnd/main_dlg.h"
#include "picture/resistor_picture.h"
#include "res/resource.h"
#include "window_test.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace
{
struct ControlCase
{
    int id;
    const char* className;
    DWORD styles; // bits that must be set
};

constexpr DWORD kTicksNone = TBS_NOTICKS | TBS_TOOLTIPS;
constexpr DWORD kTicksAuto = TBS_AUTOTICKS | TBS_TOOLTIPS;
// The list's scroll bar style goes to its drop-down part, and an edit's border becomes a
// client edge: only the bits the control keeps are compared.
constexpr DWORD kList = CBS_DROPDOWNLIST;

const ControlCase kControls[] = {
    {IDC_BANDE1, "msctls_trackbar32", kTicksNone},
    {IDC_BANDE2, "msctls_trackbar32", kTicksAuto},
    {IDC_BANDE3, "msctls_trackbar32", kTicksAuto},
    {IDC_BANDE4, "msctls_trackbar32", kTicksNone},
    {IDC_BANDE5, "msctls_trackbar32", kTicksNone},
    {IDC_BANDE6, "msctls_trackbar32", kTicksNone},
    {IDC_VALUE, "Edit", ES_AUTOHSCROLL},
    {IDC_UNIT, "ComboBox", kList},
    {IDC_TOLERANCE, "ComboBox", kList},
    {IDC_TEMPCO, "ComboBox", kList},
    {IDC_SIDEBAR, "WndDirectUI", WS_VISIBLE | WS_TABSTOP},
};

struct TemplateCase
{
    UINT id;
    bool vertical;
};

class MainTemplateTest : public CWindowTest, public ::testing::WithParamInterface<TemplateCase>
{
};

TEST_P(MainTemplateTest, ControlsStandWhereTheLayoutPutsThem)
{
    const TemplateCase& t = GetParam();
    CAppSettings settings;
    settings.m_bFirstRun = FALSE;
    CMainDlg dlg(t.id, settings);
    ASSERT_TRUE(dlg.Create());
    HWND hDlg = dlg.GetSafeHwnd();

    char caption[32] = {};
    ::GetWindowTextA(hDlg, caption, sizeof caption);
    EXPECT_STREQ(caption, "Vantrel");
    const DWORD style = static_cast<DWORD>(::GetWindowLongA(hDlg, GWL_STYLE));
    for (DWORD bit : {DWORD{WS_CAPTION}, DWORD{WS_SYSMENU}, DWORD{WS_MINIMIZEBOX}, DWORD{DS_MODALFRAME}})
        EXPECT_EQ(style & bit, bit);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0u);
    const bool appWindow = (::GetWindowLongA(hDlg, GWL_EXSTYLE) & WS_EX_APPWINDOW) != 0;
    EXPECT_EQ(appWindow, t.vertical);

    RECT client{};
    ::GetClientRect(hDlg, &client);

    for (const ControlCase& c : kControls)
    {
        SCOPED_TRACE(c.id);
        HWND hCtl = ::GetDlgItem(hDlg, c.id);
        ASSERT_NE(hCtl, nullptr);
        char cls[64] = {};
        ::GetClassNameA(hCtl, cls, sizeof cls);
        EXPECT_STREQ(cls, c.className);
        const DWORD ctlStyle = static_cast<DWORD>(::GetWindowLongA(hCtl, GWL_STYLE));
        EXPECT_EQ(ctlStyle & c.styles, c.styles);
        if (std::string(cls) == "Edit")
        {
            const LONG exStyle = ::GetWindowLongA(hCtl, GWL_EXSTYLE);
            EXPECT_TRUE((ctlStyle & WS_BORDER) != 0 || (exStyle & WS_EX_CLIENTEDGE) != 0);
        }
        if (std::string(cls) == "msctls_trackbar32")
        {
            EXPECT_EQ((ctlStyle & TBS_VERT) != 0, !t.vertical);
        }

        RECT r{};
        ::GetWindowRect(hCtl, &r);
        ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&r), 2);
        // A drop-down list's window is its closed height, not the template's list height. The side
        // bar's template runs past the window's bottom edge, which clips it.
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.left < client.right) << r.left << "," << r.top;
        if (c.id != IDC_SIDEBAR)
        {
            EXPECT_TRUE(r.right <= client.right && r.bottom <= client.bottom) << r.right << "," << r.bottom;
        }
    }

    // Each ring lies at its own selector, a ring's length away at most across the track, and in
    // the selectors' order, so the selector that sets it is plain.
    const auto across = [&](const RECT& rc) {
        return t.vertical ? std::pair{rc.top, rc.bottom} : std::pair{rc.left, rc.right};
    };
    std::array<std::pair<LONG, LONG>, kRingSlotCount> bars{};
    for (size_t slot = 0; slot < kRingSlotCount; ++slot)
    {
        RECT r{};
        ::GetWindowRect(::GetDlgItem(hDlg, static_cast<int>(IDC_BANDE1 + slot)), &r);
        ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&r), 2);
        bars[slot] = across(r);
    }
    for (size_t slot = 0; slot < kRingSlotCount; ++slot)
    {
        const auto [ringStart, ringEnd] = across(RingRect(static_cast<int>(slot), !t.vertical));
        const auto gap = [&](std::pair<LONG, LONG> bar) {
            return std::max({LONG{0}, bar.first - ringEnd, ringStart - bar.second});
        };
        EXPECT_LE(gap(bars[slot]), ringEnd - ringStart) << slot;
        // The rings come in the order of their selectors.
        if (slot > 0)
        {
            EXPECT_LT(across(RingRect(static_cast<int>(slot) - 1, !t.vertical)).first, ringStart) << slot;
            EXPECT_LT(bars[slot - 1].first, bars[slot].first) << slot;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, MainTemplateTest,
                         ::testing::Values(TemplateCase{IDD_MAIN_VERTICAL, true},
                                           TemplateCase{IDD_MAIN_HORIZONTAL, false}));

TEST_F(CWindowTest, SideBarClassIsRegisteredBeforeAnyTemplate)
{
    CSideBar bar;
    WNDCLASSA wc{};
    ASSERT_TRUE(::GetClassInfoA(::GetModuleHandleA(nullptr), "WndDirectUI", &wc));
    EXPECT_EQ(wc.style, UINT{CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS});
    EXPECT_EQ(wc.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    EXPECT_EQ(wc.cbClsExtra, 0);
    EXPECT_EQ(wc.cbWndExtra, 0);
}
} // namespace
