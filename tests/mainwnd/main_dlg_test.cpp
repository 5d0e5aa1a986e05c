// The main window's start and end: the saved rings fill every control, the window is placed,
// and its state goes back into the settings; the tooltips of its controls.
#include "main_dlg_fixture.h"

#include "res/resource.h"

#include <commctrl.h>

#include <cstring>

namespace
{
// The first start: nothing stored, every selector clamped to its first position.
TEST_F(MainDlgTest, FirstStartShowsBlackRingsInEveryControl)
{
    Open();
    EXPECT_EQ(Rings(), (RingPositions{1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(ValueText(), "0");
    EXPECT_EQ(Selection(IDC_UNIT), 0);
    EXPECT_EQ(Selection(IDC_TOLERANCE), 0);
    EXPECT_EQ(Selection(IDC_TEMPCO), 0);
    EXPECT_EQ(Field(IDC_CALC_R), "0");
    EXPECT_EQ(LineColour(1019), RGB(255, 0, 0));
}

// "W" draws the ohm sign in that face.
TEST_F(MainDlgTest, UnitListDrawsInSymbol)
{
    Open();
    LOGFONTA lf{};
    HGDIOBJ hFont = reinterpret_cast<HGDIOBJ>(::SendMessageA(Item(IDC_UNIT), WM_GETFONT, 0, 0));
    ASSERT_NE(hFont, nullptr);
    ::GetObjectA(hFont, sizeof lf, &lf);
    EXPECT_STREQ(lf.lfFaceName, "Symbol");
}

struct RestoreCase
{
    const char* name;
    int ringMode;
    RingPositions saved;
    RingPositions shown;
    const char* value;
    int unit;
};

const RestoreCase kRestoreCases[] = {
    {"FourRings", kRingMode4, {5, 8, 3, 5, 2, 4}, {5, 8, 3, 5, 2, 4}, "4,7", 1},
    {"SixRings", kRingMode6, {5, 8, 3, 5, 2, 4}, {5, 8, 3, 5, 2, 4}, "47,2", 1},
    {"ClampedToTheRanges", kRingMode4, {11, -3, 0, 12, 9, 8}, {10, 1, 1, 9, 8, 7}, "90", 2},
};

class RestoreTest : public MainDlgTest, public ::testing::WithParamInterface<RestoreCase>
{
};

TEST_P(RestoreTest, SavedRingsFillEveryControl)
{
    const RestoreCase& c = GetParam();
    m_settings.m_nRingMode = c.ringMode;
    std::memcpy(m_settings.m_nRingPos, c.saved.data(), sizeof m_settings.m_nRingPos);
    Open();
    EXPECT_EQ(Rings(), c.shown);
    EXPECT_EQ(ValueText(), c.value);
    EXPECT_EQ(Selection(IDC_UNIT), c.unit);
    EXPECT_EQ(Selection(IDC_TOLERANCE), c.shown[4] - 1);
    EXPECT_EQ(Selection(IDC_TEMPCO), c.shown[5] - 1);
    Close();
    EXPECT_EQ(0, std::memcmp(m_settings.m_nRingPos, c.shown.data(), sizeof m_settings.m_nRingPos));
}

INSTANTIATE_TEST_SUITE_P(Saved, RestoreTest, ::testing::ValuesIn(kRestoreCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(MainDlgTest, DestroyedWindowLeavesRingsGroupsAndPlaceInTheSettings)
{
    Open();
    MoveRings({2, 3, 4, 5, 6, 7});
    SideBar().ExpandGroup(1, 0);
    ::SetWindowPos(m_hDlg, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Close();
    EXPECT_EQ(0, std::memcmp(m_settings.m_nRingPos, RingPositions{2, 3, 4, 5, 6, 7}.data(),
                             sizeof m_settings.m_nRingPos));
    EXPECT_EQ(m_settings.m_bGroupOpen[0], TRUE);
    EXPECT_EQ(m_settings.m_bGroupOpen[1], FALSE);
    EXPECT_EQ(m_settings.m_nPosX, 40);
    EXPECT_EQ(m_settings.m_nPosY, 30);
}

struct PlaceCase
{
    const char* name;
    POINT stored;
    bool kept;
};

const PlaceCase kPlaceCases[] = {
    {"Stored", {20, 10}, true},
    {"NeverStored", {-6500, -6500}, false},
    {"OneAxisAtTheMark", {100, -6500}, false},
    {"OffEveryMonitor", {30000, 30000}, false},
    // One pixel of the window on a 1280 x 1024 screen: the caption is out of reach.
    {"OnePixelOnScreen", {1279, 1023}, false},
    {"CaptionAboveTheScreen", {100, -5}, false},
    {"AtTheLimitOfTheIntegers", {2147483000, 2147483000}, false},
};

class PlaceTest : public MainDlgTest, public ::testing::WithParamInterface<PlaceCase>
{
};

TEST_P(PlaceTest, StoredPlaceOrCentred)
{
    const PlaceCase& c = GetParam();
    m_settings.m_nPosX = c.stored.x;
    m_settings.m_nPosY = c.stored.y;
    Open();
    RECT rc{};
    ::GetWindowRect(m_hDlg, &rc);
    if (c.kept)
    {
        EXPECT_EQ(rc.left, c.stored.x);
        EXPECT_EQ(rc.top, c.stored.y);
        return;
    }
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    ::GetMonitorInfoA(::MonitorFromWindow(m_hDlg, MONITOR_DEFAULTTOPRIMARY), &mi);
    EXPECT_LE(std::abs((rc.left + rc.right) - (mi.rcWork.left + mi.rcWork.right)), 1);
    EXPECT_LE(std::abs((rc.top + rc.bottom) - (mi.rcWork.top + mi.rcWork.bottom)), 1);
}

INSTANTIATE_TEST_SUITE_P(Places, PlaceTest, ::testing::ValuesIn(kPlaceCases),
                         [](const auto& param) { return std::string(param.param.name); });

// What the tooltip asks of the dialog for a control, in the ANSI width.
std::string AskToolTip(HWND hDlg, int id, UINT flags)
{
    HWND hCtl = ::GetDlgItem(hDlg, id);
    NMTTDISPINFOA info{};
    info.hdr.hwndFrom = hDlg;
    info.hdr.code = TTN_NEEDTEXTA;
    info.hdr.idFrom =
        (flags & TTF_IDISHWND) != 0 ? reinterpret_cast<UINT_PTR>(hCtl) : static_cast<UINT_PTR>(id);
    info.uFlags = flags;
    ::SendMessageA(hDlg, WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
    return info.lpszText != nullptr ? info.lpszText : "";
}

struct TipCase
{
    int id;
    const char* text;
};

// Rings grey, red, white, gold, violet, white: each selector names its own colour.
const TipCase kTips[] = {
    {IDC_BANDE1, "Gris"},
    {IDC_BANDE2, "Rouge"},
    {IDC_BANDE3, "Blanc"},
    {IDC_BANDE4, "Or"},
    {IDC_BANDE5, "Violet"},
    {IDC_BANDE6, "Blanc"},
    {IDC_VALUE, "Valeur (modifiez-la directement ici ou bien utilisez les barres de sélection)"},
    {IDC_UNIT, "Puissance (sélectionnez-la directement ici ou bien utilisez les barres de sélection)"},
    {IDC_TOLERANCE, "Tolérance (sélectionnez la directement ici ou bien utilisez les barres de sélection)"},
    {IDC_TEMPCO, "Température (sélectionnez la directement ici ou bien utilisez les barres de sélection)"},
    {IDC_SIDEBAR, ""},
};

class ToolTipTest : public MainDlgTest, public ::testing::WithParamInterface<TipCase>
{
};

// Long texts are shown whole, past the 79 characters of the notification's own buffer.
TEST_P(ToolTipTest, NamesColourOrHelpWhole)
{
    const TipCase& c = GetParam();
    Open();
    MoveRings({9, 3, 10, 2, 7, 7});
    EXPECT_EQ(AskToolTip(m_hDlg, c.id, TTF_IDISHWND), c.text);
    EXPECT_EQ(AskToolTip(m_hDlg, c.id, 0), c.text);
}

INSTANTIATE_TEST_SUITE_P(Controls, ToolTipTest, ::testing::ValuesIn(kTips));

TEST_F(MainDlgTest, WideToolTipGetsTheSameText)
{
    Open();
    NMTTDISPINFOW info{};
    info.hdr.hwndFrom = m_hDlg;
    info.hdr.code = TTN_NEEDTEXTW;
    info.hdr.idFrom = reinterpret_cast<UINT_PTR>(Item(IDC_TOLERANCE));
    info.uFlags = TTF_IDISHWND;
    ::SendMessageA(m_hDlg, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_EQ(std::wstring(info.lpszText).substr(0, 10), L"Tol\u00e9rance ");
}

// The text of the one tool of a trackbar's own tooltip.
std::string TipText(HWND hTip)
{
    char szText[80] = {};
    TTTOOLINFOA ti{};
    ti.cbSize = sizeof ti;
    if (!::SendMessageA(hTip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&ti)))
        return "no tool";
    ti.lpszText = szText;
    ::SendMessageA(hTip, TTM_GETTEXTA, sizeof szText, reinterpret_cast<LPARAM>(&ti));
    return szText;
}

// While its thumb is held, a selector's tip names the colour, not the trackbar's raw position;
// a text that is no position of the ring is left as the trackbar wrote it.
TEST_F(MainDlgTest, HeldSelectorsTipNamesTheColour)
{
    m_settings.m_nRingMode = kRingMode6;
    Open();
    MoveRings({6, 3, 10, 2, 7, 7});
    const char* const names[] = {"Vert", "Rouge", "Blanc", "Or", "Violet", "Blanc"};
    for (int slot = 0; slot < 6; ++slot)
    {
        HWND hBar = Item(IDC_BANDE1 + slot);
        HWND hTip = reinterpret_cast<HWND>(::SendMessageA(hBar, TBM_GETTOOLTIPS, 0, 0));
        ASSERT_NE(hTip, nullptr) << slot;
        RECT rcThumb{};
        ::SendMessageA(hBar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&rcThumb));
        const LPARAM ptThumb =
            MAKELPARAM((rcThumb.left + rcThumb.right) / 2, (rcThumb.top + rcThumb.bottom) / 2);
        ::SendMessageA(hBar, WM_LBUTTONDOWN, MK_LBUTTON, ptThumb);
        ::SendMessageA(hBar, WM_MOUSEMOVE, MK_LBUTTON, ptThumb);
        EXPECT_EQ(TipText(hTip), names[slot]) << slot;
        ::SendMessageA(hBar, WM_LBUTTONUP, 0, ptThumb);

        for (const wchar_t* pszRaw : {L"0", L"11", L"abc"})
        {
            TTTOOLINFOW ti{};
            ti.cbSize = sizeof ti;
            ASSERT_TRUE(::SendMessageW(hTip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&ti)));
            ti.lpszText = const_cast<wchar_t*>(pszRaw);
            ::SendMessageW(hTip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
            EXPECT_EQ(ti.lpszText, pszRaw) << "the trackbar's text is given back";
            char szRaw[8] = {};
            ::WideCharToMultiByte(CP_ACP, 0, pszRaw, -1, szRaw, sizeof szRaw, nullptr, nullptr);
            EXPECT_EQ(TipText(hTip), szRaw) << slot;
        }
    }
}

TEST_F(MainDlgTest, QuitClosesTheWindow)
{
    Open();
    Command(ID_QUIT);
    EXPECT_FALSE(::IsWindow(m_hDlg));
}
} // namespace
