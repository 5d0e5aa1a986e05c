// The English library as the program finds it beside itself: chosen by its display name, it
// gives the main window (both layouts), the context menu, the options sheet and the About dialog
// the calculation tools window their English texts, while the pictures stay the program's, and no text is cut
// by its control.
#include "calctools/calc_tools_dlg.h"
#include "framework/resource_module.h"
#include "mainwnd/main_dlg.h"
#include "menu/new_menu.h"
#include "modal_step.h"
#include "res/resource.h"
#include "shell/about_dlg.h"
#include "shell/options_dlg.h"
#include "shell/resistor_app.h"
#include "window_test.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
const char* const kEnglish = "English";

CSideBar& SideBarOf(CMainDlg& dlg)
{
    return *dynamic_cast<CSideBar*>(CWnd::FromHandle(dlg.GetDlgItem(IDC_SIDEBAR)));
}

// The label an owner-drawn item shows, by position in its menu.
std::string ItemLabel(HMENU hMenu, UINT pos)
{
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_DATA;
    if (!::GetMenuItemInfoA(hMenu, pos, TRUE, &mii) || mii.dwItemData == 0)
        return std::string();
    return reinterpret_cast<const CMenuItemData*>(mii.dwItemData)->strLabel;
}

std::string TextOf(HWND hWnd)
{
    std::string text(static_cast<size_t>(::GetWindowTextLengthA(hWnd)) + 1, '\0');
    text.resize(static_cast<size_t>(::GetWindowTextA(hWnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string ClassOf(HWND hWnd)
{
    char szClass[64] = {};
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    return szClass;
}

// The text as drawn: "&&" shows one ampersand, a single one only underlines the next letter.
std::string Shown(const std::string& text)
{
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

// Room a button keeps for itself beside its text: the box of a check box or radio button, the
// line and gaps around a group box's title, the frame and margins of a push button.
int RoomBesideText(LONG type)
{
    const int edge = ::GetSystemMetrics(SM_CXEDGE);
    switch (type)
    {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return ::GetSystemMetrics(SM_CXMENUCHECK) + 4 * edge;
    case BS_GROUPBOX:
        return 8 * edge;
    default:
        return 4 * edge;
    }
}

// Every text of the dialog's labels, buttons, boxes and group boxes that its control cannot show
// whole, with the sizes that tell by how much.
std::vector<std::string> CutTexts(HWND hDlg)
{
    std::vector<std::string> cut;
    for (HWND hCtrl = ::GetWindow(hDlg, GW_CHILD); hCtrl != nullptr; hCtrl = ::GetWindow(hCtrl, GW_HWNDNEXT))
    {
        const std::string strClass = ClassOf(hCtrl);
        const std::string text = Shown(TextOf(hCtrl));
        const LONG style = ::GetWindowLongA(hCtrl, GWL_STYLE);
        const LONG type = style & (strClass == "Static" ? SS_TYPEMASK : BS_TYPEMASK);
        const bool bLabel =
            strClass == "Static" && (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT);
        if (text.empty() || !(bLabel || strClass == "Button"))
            continue;
        RECT rcClient{};
        ::GetClientRect(hCtrl, &rcClient);
        const int room = strClass == "Button" ? RoomBesideText(type) : 0;
        const HDC hDC = ::GetDC(hCtrl);
        const HGDIOBJ hOld =
            ::SelectObject(hDC, reinterpret_cast<HFONT>(::SendMessageA(hCtrl, WM_GETFONT, 0, 0)));
        RECT rcText{0, 0, rcClient.right - room, 0};
        // Labels wrap at word breaks like the control itself; the others keep one line.
        const UINT uWrap = bLabel ? DT_WORDBREAK : DT_SINGLELINE;
        ::DrawTextA(hDC, text.c_str(), static_cast<int>(text.size()), &rcText,
                    DT_CALCRECT | DT_NOPREFIX | uWrap);
        ::SelectObject(hDC, hOld);
        ::ReleaseDC(hCtrl, hDC);
        const bool bTooWide = rcText.right > rcClient.right - room;
        const bool bTooHigh = bLabel && rcText.bottom > rcClient.bottom;
        if (bTooWide || bTooHigh)
            cut.push_back("\"" + text + "\" " + std::to_string(rcText.right) + "x" +
                          std::to_string(rcText.bottom) + " in " + std::to_string(rcClient.right - room) +
                          "x" + std::to_string(rcClient.bottom));
    }
    return cut;
}

// Every pair of shown controls of the dialog that cover each other, but for group boxes, which
// frame others.
std::vector<std::string> OverlappingControls(HWND hDlg)
{
    std::vector<HWND> controls;
    for (HWND hCtrl = ::GetWindow(hDlg, GW_CHILD); hCtrl != nullptr; hCtrl = ::GetWindow(hCtrl, GW_HWNDNEXT))
    {
        const LONG style = ::GetWindowLongA(hCtrl, GWL_STYLE);
        if ((style & WS_VISIBLE) != 0 &&
            !(ClassOf(hCtrl) == "Button" && (style & BS_TYPEMASK) == BS_GROUPBOX))
            controls.push_back(hCtrl);
    }
    std::vector<std::string> overlaps;
    for (std::size_t i = 0; i < controls.size(); ++i)
    {
        for (std::size_t j = i + 1; j < controls.size(); ++j)
        {
            RECT a{}, b{}, both{};
            ::GetWindowRect(controls[i], &a);
            ::GetWindowRect(controls[j], &b);
            if (::IntersectRect(&both, &a, &b))
                overlaps.push_back(std::to_string(::GetDlgCtrlID(controls[i])) + " \"" + TextOf(controls[i]) +
                                   "\" over " + std::to_string(::GetDlgCtrlID(controls[j])) + " \"" +
                                   TextOf(controls[j]) + "\"");
        }
    }
    return overlaps;
}

class EnglishLanguageTest : public CWindowTest
{
protected:
    void SetUp() override
    {
        CWindowTest::SetUp();
        // The folder of the test program, where the build puts the libraries beside the program.
        m_app.GetLanguages().Enumerate();
        Settings().m_bFirstRun = FALSE;
        Settings().m_strLanguage = kEnglish;
    }
    void TearDown() override
    {
        m_app.GetLanguages().Unload();
        CWindowTest::TearDown();
    }
    CAppSettings& Settings() { return m_app.GetSettings(); }
    HMODULE SelectEnglish()
    {
        m_app.GetLanguages().Select(kEnglish);
        return m_app.GetLanguages().GetLoadedLibrary();
    }

    CResistorApp m_app;
};

TEST_F(EnglishLanguageTest, LibraryBesideTheProgramIsListedUnderItsName)
{
    const std::vector<std::string>& names = m_app.GetLanguages().GetNames();
    const std::vector<std::string>& paths = m_app.GetLanguages().GetPaths();
    ASSERT_EQ(names, std::vector<std::string>{kEnglish});
    EXPECT_EQ(paths[0].substr(paths[0].find_last_of('\\') + 1), "langue_en.dll");
    ASSERT_NE(SelectEnglish(), nullptr);
    EXPECT_EQ(LoadResourceString(IDS_LANGUAGE_NAME), kEnglish);
}

struct MainCase
{
    const char* name;
    UINT idTemplate;
    // Chosen before the window exists, as for a window rebuilt in a new layout (its template
    // then comes from the library); otherwise the window's own start-up puts it in force.
    bool bChosenBefore;
};

const MainCase kMainCases[] = {
    {"UprightChosenAtStartUp", IDD_MAIN_VERTICAL, false},
    {"LyingChosenAtStartUp", IDD_MAIN_HORIZONTAL, false},
    {"UprightChosenBefore", IDD_MAIN_VERTICAL, true},
    {"LyingChosenBefore", IDD_MAIN_HORIZONTAL, true},
};

class EnglishMainWindowTest : public EnglishLanguageTest, public ::testing::WithParamInterface<MainCase>
{
};

TEST_P(EnglishMainWindowTest, SideBarAndContextMenuAreInEnglish)
{
    const MainCase& c = GetParam();
    if (c.bChosenBefore)
    {
        ASSERT_NE(SelectEnglish(), nullptr);
    }
    // The layout the settings ask for, or the window would be replaced by one on the other.
    Settings().m_nOrientation = c.idTemplate == IDD_MAIN_HORIZONTAL ? kOrientationHorizontal : 0;
    CMainDlg dlg(c.idTemplate, Settings());
    dlg.SetHost(&m_app);
    ASSERT_TRUE(dlg.Create());
    HMODULE hEnglish = m_app.GetLanguages().GetLoadedLibrary();
    ASSERT_NE(hEnglish, nullptr);
    EXPECT_EQ(GetResourceModuleFor(RT_DIALOG, c.idTemplate), hEnglish);

    // Built after the library came in force: no French text is left on the side bar.
    CSideBar& sideBar = SideBarOf(dlg);
    ASSERT_EQ(sideBar.GetGroupCount(), 3);
    EXPECT_EQ(sideBar.GetGroup(0)->GetTitle(), "Standard values");
    EXPECT_EQ(sideBar.GetGroup(1)->GetTitle(), "Tasks");
    EXPECT_EQ(sideBar.GetGroup(2)->GetTitle(), "Calculations");
    EXPECT_EQ(sideBar.GetItemText(1, ID_RINGS_4), "Use 4 bands");
    EXPECT_EQ(sideBar.GetItemText(1, ID_QUIT), "Exit");

    std::vector<std::string> labels;
    CModalStep step(
        [&]
        {
            HWND hMenuWnd = FindThreadWindow("#32768", nullptr);
            if (hMenuWnd == nullptr)
                return false;
            auto hMenu = reinterpret_cast<HMENU>(::SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0));
            for (UINT pos : {0u, 4u, 7u})
                labels.push_back(ItemLabel(hMenu, pos));
            ::EndMenu();
            return true;
        });
    ::SendMessageA(dlg.GetSafeHwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(dlg.GetSafeHwnd()),
                   MAKELPARAM(100, 100));
    EXPECT_EQ(labels, (std::vector<std::string>{"Copy the resistance &value to the clipboard",
                                                "&Number of bands", "More &options..."}));
}

INSTANTIATE_TEST_SUITE_P(Layouts, EnglishMainWindowTest, ::testing::ValuesIn(kMainCases),
                         [](const ::testing::TestParamInfo<MainCase>& param) { return param.param.name; });

struct PageCase
{
    int nPage;
    const char* pszTitle;
    int idControl;
    const char* pszControlText;
    int nIcons;
};

const PageCase kPages[] = {
    {0, "General", IDC_OPT_E3, "E3", 1},
    {1, "Interface", IDC_OPT_TOPMOST, "&Always on top", 1},
    {2, "Tools", IDC_OPT_REPAIR, "Start the &repair tool", 2},
};

// The icons a page shows: the library holds none, so each one must come from the program.
int IconsShown(HWND hPage)
{
    int nIcons = 0;
    for (HWND hCtrl = ::GetWindow(hPage, GW_CHILD); hCtrl != nullptr; hCtrl = ::GetWindow(hCtrl, GW_HWNDNEXT))
    {
        const bool bIcon =
            ClassOf(hCtrl) == "Static" && (::GetWindowLongA(hCtrl, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
        if (bIcon && ::SendMessageA(hCtrl, STM_GETICON, 0, 0) != 0)
            ++nIcons;
    }
    return nIcons;
}

TEST_F(EnglishLanguageTest, OptionsPagesComeFromTheLibraryWithTheProgramsIcons)
{
    ASSERT_NE(SelectEnglish(), nullptr);
    COptionsDlg sheet(nullptr, Settings(), m_app.GetLanguages().GetNames());
    HWND hSheet = sheet.Create();
    ASSERT_NE(hSheet, nullptr);
    EXPECT_EQ(WindowText(hSheet), "Vantrel Options");
    HWND hTabs = reinterpret_cast<HWND>(::SendMessageA(hSheet, PSM_GETTABCONTROL, 0, 0));
    for (const PageCase& c : kPages)
    {
        ::SendMessageA(hSheet, PSM_SETCURSEL, static_cast<WPARAM>(c.nPage), 0);
        HWND hPage =
            reinterpret_cast<HWND>(::SendMessageA(hSheet, PSM_INDEXTOHWND, static_cast<WPARAM>(c.nPage), 0));
        ASSERT_NE(hPage, nullptr) << c.pszTitle;
        char szTitle[64] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = szTitle;
        item.cchTextMax = sizeof szTitle;
        ::SendMessageA(hTabs, TCM_GETITEMA, static_cast<WPARAM>(c.nPage), reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ(szTitle, c.pszTitle);
        EXPECT_EQ(WindowText(::GetDlgItem(hPage, c.idControl)), c.pszControlText) << c.pszTitle;
        EXPECT_EQ(IconsShown(hPage), c.nIcons) << c.pszTitle;
    }
}

TEST_F(EnglishLanguageTest, AboutDialogFromTheLibraryShowsTheProgramsBanner)
{
    ASSERT_NE(SelectEnglish(), nullptr);
    CAProposDlg dlg(nullptr, "support@vantrel.example", "https://h/", "https://h/d", "Someone", 0);
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(WindowText(dlg.GetSafeHwnd()), "About Vantrel");
    EXPECT_EQ(WindowText(dlg.GetDlgItem(IDC_ABOUT_THANKS)), "C&redits");
    HWND hBanner = ::GetWindow(dlg.GetSafeHwnd(), GW_CHILD);
    ASSERT_NE(hBanner, nullptr);
    EXPECT_NE(::SendMessageA(hBanner, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
}

// Every dialog that holds texts, in both languages: a text a translation lengthened, or a
// template a font made narrower, shows here before a user sees it cut.
struct FitCase
{
    const char* name;
    bool bEnglish;
    int nDialog; // an options page's index, or an About template
};

const FitCase kFitCases[] = {
    {"FrenchGeneral", false, 0},         {"FrenchInterface", false, 1},
    {"FrenchTools", false, 2},           {"FrenchAbout", false, IDD_ABOUT},
    {"FrenchThanks", false, IDD_THANKS}, {"EnglishGeneral", true, 0},
    {"EnglishInterface", true, 1},       {"EnglishTools", true, 2},
    {"EnglishAbout", true, IDD_ABOUT},   {"EnglishThanks", true, IDD_THANKS},
};

class TextFitTest : public EnglishLanguageTest, public ::testing::WithParamInterface<FitCase>
{
};

TEST_P(TextFitTest, EveryTextFitsItsControl)
{
    const FitCase& c = GetParam();
    if (c.bEnglish)
    {
        ASSERT_NE(SelectEnglish(), nullptr);
    }
    std::vector<std::string> cut;
    if (c.nDialog == IDD_ABOUT || c.nDialog == IDD_THANKS)
    {
        std::unique_ptr<CDialog> dlg;
        if (c.nDialog == IDD_ABOUT)
            dlg = std::make_unique<CAProposDlg>(nullptr, "support@vantrel.example", "https://h/",
                                                "https://h/d", "Someone", 0);
        else
            dlg = std::make_unique<CRemerciementsDlg>(nullptr, "Someone", 0);
        ASSERT_TRUE(dlg->Create());
        cut = CutTexts(dlg->GetSafeHwnd());
    }
    else
    {
        COptionsDlg sheet(nullptr, Settings(), m_app.GetLanguages().GetNames());
        HWND hSheet = sheet.Create();
        ASSERT_NE(hSheet, nullptr);
        ::SendMessageA(hSheet, PSM_SETCURSEL, static_cast<WPARAM>(c.nDialog), 0);
        cut = CutTexts(reinterpret_cast<HWND>(
            ::SendMessageA(hSheet, PSM_INDEXTOHWND, static_cast<WPARAM>(c.nDialog), 0)));
    }
    EXPECT_EQ(cut, std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Dialogs, TextFitTest, ::testing::ValuesIn(kFitCases),
                         [](const ::testing::TestParamInfo<FitCase>& param) { return param.param.name; });

class CFixedOwner final : public ICalcToolsOwner
{
public:
    virtual ~CFixedOwner() = default;
    double GetShownMilliohms() const override { return 4.7e6; }
    void UseResistance(double) override {}
};

struct ToolsCase
{
    const char* name;
    bool bEnglish;
    const char* caption;
    std::vector<std::string> tabs;
};

const ToolsCase kToolsCases[] = {
    {"French", false, "Outils de calcul", {"Marquage CMS", "LED", "Diviseur", "Associations", "Étiquettes"}},
    {"English", true, "Calculation tools", {"SMD marking", "LED", "Divider", "Combinations", "Labels"}},
};

class ToolsTextTest : public EnglishLanguageTest, public ::testing::WithParamInterface<ToolsCase>
{
};

// The window and each of its pages come from the language in force, every text whole and no
// control over another.
TEST_P(ToolsTextTest, TheToolsWindowSpeaksTheLanguageInForce)
{
    const ToolsCase& c = GetParam();
    if (c.bEnglish)
    {
        ASSERT_NE(SelectEnglish(), nullptr);
    }
    CFixedOwner owner;
    CCalcToolsDlg tools(Settings(), owner);
    tools.Open(::GetDesktopWindow());
    ASSERT_TRUE(tools.IsOpen());
    EXPECT_EQ(TextOf(tools.GetSafeHwnd()), c.caption);
    const HWND hTab = tools.GetDlgItem(IDC_TOOLS_TAB);
    std::vector<std::string> tabs;
    for (int i = 0; i < static_cast<int>(::SendMessageA(hTab, TCM_GETITEMCOUNT, 0, 0)); ++i)
    {
        char szText[64] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = szText;
        item.cchTextMax = sizeof szText;
        ::SendMessageA(hTab, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        tabs.emplace_back(szText);
    }
    EXPECT_EQ(tabs, c.tabs);
    std::vector<std::string> cut;
    int nPages = 0;
    for (HWND hPage = ::FindWindowExA(tools.GetSafeHwnd(), nullptr, "#32770", nullptr); hPage != nullptr;
         hPage = ::FindWindowExA(tools.GetSafeHwnd(), hPage, "#32770", nullptr), ++nPages)
    {
        const std::vector<std::string> pageCut = CutTexts(hPage);
        cut.insert(cut.end(), pageCut.begin(), pageCut.end());
        const std::vector<std::string> pageOverlaps = OverlappingControls(hPage);
        cut.insert(cut.end(), pageOverlaps.begin(), pageOverlaps.end());
    }
    EXPECT_EQ(nPages, static_cast<int>(c.tabs.size()));
    EXPECT_EQ(cut, std::vector<std::string>{});
    tools.Close();
}

INSTANTIATE_TEST_SUITE_P(Languages, ToolsTextTest, ::testing::ValuesIn(kToolsCases),
                         [](const ::testing::TestParamInfo<ToolsCase>& param) { return param.param.name; });
} // namespace
