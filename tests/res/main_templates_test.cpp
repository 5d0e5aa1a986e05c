// The main window's two templates, created for real: every control's class, styles and place.
#include "mainwnd/main_dlg.h"
#include "res/resource.h"
#include "window_test.h"

#include <commctrl.h>

#include <string>

namespace
{
struct ControlCase
{
    int id;
    const char* className;
    DWORD styles;    // bits that must be set
    RECT vertical;   // template 102: x, y, width, height in dialog units
    RECT horizontal; // template 182
};

constexpr DWORD kTicksNone = TBS_NOTICKS | TBS_TOOLTIPS;
constexpr DWORD kTicksAuto = TBS_AUTOTICKS | TBS_TOOLTIPS;
// The list's scroll bar style goes to its drop-down part, and an edit's border becomes a
// client edge: only the bits the control keeps are compared.
constexpr DWORD kList = CBS_DROPDOWNLIST;

const ControlCase kControls[] = {
    {IDC_BANDE1, "msctls_trackbar32", kTicksNone, {57, 38, 100, 17}, {40, 54, 20, 95}},
    {IDC_BANDE2, "msctls_trackbar32", kTicksAuto, {57, 54, 100, 22}, {60, 54, 23, 95}},
    {IDC_BANDE3, "msctls_trackbar32", kTicksAuto, {57, 76, 100, 21}, {83, 54, 24, 95}},
    {IDC_BANDE4, "msctls_trackbar32", kTicksNone, {57, 107, 100, 19}, {117, 54, 20, 95}},
    {IDC_BANDE5, "msctls_trackbar32", kTicksNone, {57, 135, 100, 19}, {149, 54, 20, 95}},
    {IDC_BANDE6, "msctls_trackbar32", kTicksNone, {57, 164, 100, 19}, {180, 54, 20, 95}},
    {IDC_VALUE, "Edit", ES_AUTOHSCROLL, {3, 205, 34, 13}, {33, 154, 34, 13}},
    {IDC_UNIT, "ComboBox", kList, {37, 205, 30, 118}, {67, 154, 30, 118}},
    {IDC_TOLERANCE, "ComboBox", kList, {67, 205, 40, 118}, {97, 154, 40, 118}},
    {IDC_TEMPCO, "ComboBox", kList, {107, 205, 55, 118}, {137, 154, 55, 118}},
    {IDC_SIDEBAR, "WndDirectUI", WS_VISIBLE | WS_TABSTOP, {162, 0, 127, 229}, {221, 0, 126, 182}},
};

struct TemplateCase
{
    UINT id;
    SIZE size;
    bool vertical;
};

class MainTemplateTest : public CWindowTest, public ::testing::WithParamInterface<TemplateCase>
{
};

// The dialog manager scales x, y, width and height each on its own (left, top, width, height).
RECT ToPixels(HWND hDlg, RECT units)
{
    ::MapDialogRect(hDlg, &units);
    return units;
}

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
    const RECT expected = ToPixels(hDlg, {0, 0, t.size.cx, t.size.cy});
    EXPECT_EQ(client.right, expected.right);
    EXPECT_EQ(client.bottom, expected.bottom);

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
        const RECT want = ToPixels(hDlg, t.vertical ? c.vertical : c.horizontal);
        EXPECT_EQ(r.left, want.left);
        EXPECT_EQ(r.top, want.top);
        EXPECT_EQ(r.right - r.left, want.right);
        // A drop-down list's height is its closed height, not the template's list height.
        if (std::string(cls) != "ComboBox")
        {
            EXPECT_EQ(r.bottom - r.top, want.bottom);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, MainTemplateTest,
                         ::testing::Values(TemplateCase{IDD_MAIN_VERTICAL, {289, 228}, true},
                                           TemplateCase{IDD_MAIN_HORIZONTAL, {348, 182}, false}));

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
