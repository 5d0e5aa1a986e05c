// The options sheet on a settings record: every setting through its controls and back, the
// changes a user makes, the failure paths, pages never shown, help and the tools page.
#include "shell/options_dlg.h"

#include "framework/handles.h"
#include "framework/resource_module.h"
#include "picture/resistor_picture.h"
#include "modal_step.h"
#include "res/resource.h"
#include "shell/external_tools.h"
#include "window_test.h"

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{
const std::vector<std::string> kLanguages = {"English", "Deutsch"};

std::vector<UINT> g_helpCommands;
HWND WINAPI RecordHtmlHelp(HWND, LPCSTR, UINT uCommand, DWORD_PTR dwData)
{
    g_helpCommands.push_back(uCommand);
    EXPECT_STREQ(reinterpret_cast<const char*>(dwData), "options.htm");
    return nullptr;
}

// What the sheet edits, compared as one record.
std::string Describe(const CAppSettings& s)
{
    std::string text = std::to_string(s.m_nRingMode) + "|";
    for (BOOL b : s.m_bUseSeries)
        text += b ? '1' : '0';
    return text + "|" + std::to_string(s.m_bTopmost) + std::to_string(s.m_bShowSideBar) +
           std::to_string(s.m_bGradient) + "|" + std::to_string(s.m_nOrientation) +
           std::to_string(s.m_nStyle) + "|" + s.m_strBackground + "|" + s.m_strLanguage + "|" +
           std::to_string(s.m_nTransparency);
}

class OptionsDlgTest : public CWindowTest
{
protected:
    void TearDown() override
    {
        m_sheet.reset();
        if (m_hOwner != nullptr)
            ::DestroyWindow(m_hOwner);
        CWindowTest::TearDown();
    }
    // The sheet with the pages given shown once each (the first always is), then OK's notice.
    void Open(const std::vector<int>& pages = {0, 1, 2})
    {
        m_sheet = std::make_unique<COptionsDlg>(m_hOwner, m_settings, kLanguages);
        m_hSheet = m_sheet->Create();
        ASSERT_NE(m_hSheet, nullptr);
        for (int nPage : pages)
            ::SendMessageA(m_hSheet, PSM_SETCURSEL, static_cast<WPARAM>(nPage), 0);
    }
    HWND Page(int nPage) const
    {
        return reinterpret_cast<HWND>(
            ::SendMessageA(m_hSheet, PSM_INDEXTOHWND, static_cast<WPARAM>(nPage), 0));
    }
    void Apply() const { ::SendMessageA(m_hSheet, PSM_APPLY, 0, 0); }
    void Click(int nPage, int id) const
    {
        ::SendMessageA(Page(nPage), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(Page(nPage), id)));
    }
    void Choose(int nPage, int id, int nIndex) const
    {
        ::SendDlgItemMessageA(Page(nPage), id, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
    }

    CAppSettings m_settings;
    // The window the sheet is opened over; none unless a test makes one.
    HWND m_hOwner = nullptr;
    std::unique_ptr<COptionsDlg> m_sheet;
    HWND m_hSheet = nullptr;
};

TEST_F(OptionsDlgTest, EverySettingComesBackUnchangedThroughItsControls)
{
    struct Case
    {
        std::function<void(CAppSettings&)> set;
    };
    const Case cases[] = {
        {[](CAppSettings&) {}},
        {[](CAppSettings& s)
         {
             s.m_nRingMode = 0;
             s.m_bTopmost = TRUE;
             s.m_bShowSideBar = FALSE;
             s.m_bGradient = FALSE;
             s.m_nTransparency = 0;
         }},
        {[](CAppSettings& s)
         {
             s.m_nRingMode = 2;
             s.m_nOrientation = 0;
             s.m_nStyle = 1;
             s.m_strBackground = "";
             s.m_strLanguage = "Deutsch";
         }},
        {[](CAppSettings& s)
         {
             for (BOOL& b : s.m_bUseSeries)
                 b = TRUE;
             s.m_strBackground = "d\xE9"
                                 "faut";
             s.m_strLanguage = "English";
             s.m_nTransparency = 100;
         }},
        {[](CAppSettings& s)
         {
             s.m_bUseSeries[0] = FALSE;
             s.m_bUseSeries[6] = TRUE;
             s.m_strBackground = "C:\\images\\absente.bmp";
             s.m_nTransparency = 37;
         }},
    };
    for (const Case& c : cases)
    {
        m_settings = CAppSettings();
        c.set(m_settings);
        const std::string before = Describe(m_settings);
        Open();
        Apply();
        EXPECT_EQ(Describe(m_settings), before);
        EXPECT_FALSE(m_sheet->IsLanguageChanged()) << before;
        m_sheet.reset();
    }
}

TEST_F(OptionsDlgTest, ChangesMadeInTheControlsAreStored)
{
    m_settings.m_strLanguage = "English";
    m_settings.m_strBackground = kDefaultBackground;
    Open();
    Choose(0, IDC_OPT_RINGS, 0);
    Choose(1, IDC_OPT_ORIENTATION, 0);
    Choose(1, IDC_OPT_STYLE, 1);
    Choose(1, IDC_OPT_LANGUAGE, 0); // the built-in language
    ::SendDlgItemMessageA(Page(1), IDC_OPT_TRANSPARENCY, TBM_SETPOS, TRUE, 0);
    Click(1, IDC_OPT_NO_BACKGROUND);
    ::CheckDlgButton(Page(1), IDC_OPT_TOPMOST, BST_CHECKED);
    Apply();
    EXPECT_EQ(m_settings.m_nRingMode, 0);
    EXPECT_EQ(m_settings.m_nOrientation, 0);
    EXPECT_EQ(m_settings.m_nStyle, 1);
    EXPECT_EQ(m_settings.m_strLanguage, "");
    EXPECT_TRUE(m_sheet->IsLanguageChanged());
    EXPECT_EQ(m_settings.m_nTransparency, 0);
    EXPECT_EQ(m_settings.m_strBackground, "");
    EXPECT_EQ(m_settings.m_bTopmost, TRUE);
    // The built-in language is listed by the program's own name for it.
    char szFirst[64] = {};
    ::SendDlgItemMessageA(Page(1), IDC_OPT_LANGUAGE, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(szFirst));
    EXPECT_EQ(std::string(szFirst), LoadResourceString(::GetModuleHandleA(nullptr), IDS_LANGUAGE_NAME));
}

// The box is titled with the program's window over which the sheet opened, not with the page.
TEST_F(OptionsDlgTest, NoSeriesCheckedSaysSoAndKeepsE3)
{
    m_hOwner =
        ::CreateWindowExA(0, "STATIC", "Vantrel", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(m_hOwner, nullptr);
    Open();
    for (int id = IDC_OPT_E6; id <= IDC_OPT_E192; ++id)
        ::CheckDlgButton(Page(0), id, BST_UNCHECKED);
    std::string strMessage;
    CModalStep step(
        [&]
        {
            HWND hBox = FindThreadWindow("#32770", m_hSheet);
            if (hBox == nullptr)
                return false;
            strMessage = WindowText(hBox);
            ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
            return true;
        });
    Apply();
    EXPECT_EQ(strMessage, "Vantrel");
    EXPECT_EQ(Describe(m_settings).substr(0, 10), std::to_string(m_settings.m_nRingMode) + "|1000000|");
}

TEST_F(OptionsDlgTest, APageNeverShownWritesNothingBack)
{
    m_settings.m_nTransparency = 300;
    m_settings.m_strLanguage = "Klingon";
    m_settings.m_nStyle = 5;
    const std::string before = Describe(m_settings);
    Open({0});
    ASSERT_EQ(Page(1) != nullptr && ::IsWindow(Page(1)), false);
    Apply();
    EXPECT_EQ(Describe(m_settings), before);
}

TEST_F(OptionsDlgTest, BrowseThenCancelKeepsTheBackground)
{
    m_settings.m_strBackground = "C:\\images\\fond.bmp";
    Open();
    CModalStep step(
        [&]
        {
            HWND hOpen = FindThreadWindow("#32770", m_hSheet);
            if (hOpen == nullptr)
                return false;
            ::PostMessageA(hOpen, WM_COMMAND, IDCANCEL, 0);
            return true;
        });
    Click(1, IDC_OPT_BROWSE);
    Apply();
    EXPECT_EQ(m_settings.m_strBackground, "C:\\images\\fond.bmp");
}

TEST_F(OptionsDlgTest, HelpOpensTheOptionsTopicFromEveryPage)
{
    const std::string strChm = GetProgramFolder() + "\\" + GetApplicationName() + ".chm";
    CFileHandle(::CreateFileA(strChm.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    CKeyHandle key;
    ::RegCreateKeyExA(HKEY_CLASSES_ROOT, "CLSID\\{ADB880A4-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32", 0,
                      nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(), nullptr);
    ::RegSetValueExA(key.get(), "", 0, REG_SZ, reinterpret_cast<const BYTE*>("hhctrl.ocx"), 11);
    g_helpCommands.clear();
    SetHtmlHelpFunction(RecordHtmlHelp);
    Open();
    for (int nPage : {0, 1, 2})
    {
        ::SendMessageA(m_hSheet, PSM_SETCURSEL, static_cast<WPARAM>(nPage), 0);
        PSHNOTIFY notify{{m_hSheet, 0, static_cast<UINT>(PSN_HELP)}, 0};
        EXPECT_EQ(::SendMessageA(Page(nPage), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify)), 0);
    }
    SetHtmlHelpFunction(nullptr);
    EXPECT_EQ(g_helpCommands, (std::vector<UINT>{0, 0, 0}));
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "CLSID\\{ADB880A4-D8FF-11CF-9377-00AA003B7A11}");
    ::DeleteFileA(strChm.c_str());
}
} // namespace
