// The About dialog as it opens: its texts from the version resource, the link label's look,
// cursor and click, the donation button, the hidden thanks button; and the label's text formats.
#include "shell/about_dlg.h"

#include "framework/resource_module.h"
#include "framework/scopes.h"
#include "modal_step.h"
#include "res/resource.h"
#include "shell/external_tools.h"
#include "shell/version_info.h"
#include "window_test.h"

#include <memory>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> g_opened;

HINSTANCE WINAPI RecordShellExecute(HWND, LPCSTR, LPCSTR pszFile, LPCSTR, LPCSTR, INT)
{
    g_opened.emplace_back(pszFile);
    return reinterpret_cast<HINSTANCE>(INT_PTR{42});
}

class AboutDlgTest : public CWindowTest
{
protected:
    void SetUp() override
    {
        CWindowTest::SetUp();
        g_opened.clear();
        SetShellExecuteFunction(RecordShellExecute);
    }
    void TearDown() override
    {
        m_dlg.reset();
        SetShellExecuteFunction(nullptr);
        CWindowTest::TearDown();
    }
    HWND Open(const char* pszThanks)
    {
        m_dlg = std::make_unique<CAProposDlg>(nullptr, "support@vantrel.example", "https://h/r?url=accueil&",
                                              "https://h/r?url=dons&", pszThanks, 0);
        EXPECT_TRUE(m_dlg->Create());
        return m_dlg->GetSafeHwnd();
    }
    std::unique_ptr<CAProposDlg> m_dlg;
};

TEST_F(AboutDlgTest, TextsComeFromTheVersionResource)
{
    HWND hDlg = Open("");
    ASSERT_NE(hDlg, nullptr);
    const CVersionInfo version;
    EXPECT_EQ(WindowText(hDlg), "\xC0 propos de Vantrel");
    EXPECT_EQ(WindowText(::GetDlgItem(hDlg, IDC_ABOUT_VERSION)),
              "Version 2.1.71 (" + version.GetString(kVersionBlock, "Date") + ") ");
    EXPECT_EQ(WindowText(::GetDlgItem(hDlg, IDC_ABOUT_LEGAL)),
              version.GetString(kVersionBlock, "LegalCopyright"));
    EXPECT_EQ(WindowText(::GetDlgItem(hDlg, IDC_ABOUT_EMAIL)), "support@vantrel.example");
    EXPECT_NE(version.GetString(kVersionBlock, "Date"), "");
    EXPECT_EQ(version.GetString(kVersionBlock, "NoSuchKey"), "");
    EXPECT_EQ(version.GetFileVersion(), "2,1,0,71");
    // The thanks are offered only when there are some.
    EXPECT_EQ(::GetWindowLongA(::GetDlgItem(hDlg, IDC_ABOUT_THANKS), GWL_STYLE) & WS_VISIBLE, 0);
    EXPECT_NE(::GetWindowLongA(::GetDlgItem(Open("Alice, Bob"), IDC_ABOUT_THANKS), GWL_STYLE) & WS_VISIBLE,
              0);
}

TEST_F(AboutDlgTest, LinkIsBlueUnderlinedWithTheHandAndOpensTheSiteWithTheVersion)
{
    HWND hDlg = Open("");
    HWND hLink = ::GetDlgItem(hDlg, IDC_ABOUT_LINK);
    auto* pLink = dynamic_cast<CLinkLabel*>(CWnd::FromHandle(hLink));
    ASSERT_NE(pLink, nullptr);
    EXPECT_EQ(pLink->GetTextColor(), RGB(0, 0, 255));
    LOGFONTA lf{};
    ::GetObjectA(pLink->GetLabelFont(), sizeof lf, &lf);
    EXPECT_TRUE(lf.lfUnderline);
    EXPECT_NE(::GetWindowLongA(hLink, GWL_STYLE) & SS_NOTIFY, 0);

    ::SendMessageA(hLink, WM_SETCURSOR, reinterpret_cast<WPARAM>(hLink), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetCursor(), ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_HAND_LINK)));

    // Painted: blue text on the button face.
    ::ShowWindow(hDlg, SW_SHOWNOACTIVATE);
    ::UpdateWindow(hDlg);
    RECT rc{};
    ::GetClientRect(hLink, &rc);
    CClientDC dc(hLink);
    int nBlue = 0;
    for (int y = 0; y < rc.bottom; ++y)
        for (int x = 0; x < rc.right; ++x)
            nBlue += ::GetPixel(dc.get(), x, y) == RGB(0, 0, 255) ? 1 : 0;
    EXPECT_GT(nBlue, 20);

    const std::string strQuery = "ver=" + GetShortVersion() + "&prog=" + GetApplicationName();
    ::SendMessageA(hLink, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ::SendMessageA(hLink, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_DONATE, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, IDC_ABOUT_DONATE)));
    EXPECT_EQ(g_opened, (std::vector<std::string>{"https://h/r?url=accueil&" + strQuery,
                                                  "https://h/r?url=dons&" + strQuery}));
}

TEST_F(AboutDlgTest, ThanksAreShownWhenThereAreSome)
{
    HWND hDlg = Open("Alice, Bob");
    std::string strShown;
    CModalStep step(
        [&]
        {
            HWND hThanks = FindThreadWindow("#32770", hDlg);
            if (hThanks == nullptr)
                return false;
            strShown = WindowText(::GetDlgItem(hThanks, IDC_THANKS_TEXT));
            ::PostMessageA(hThanks, WM_COMMAND, IDOK, 0);
            return true;
        });
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_THANKS, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, IDC_ABOUT_THANKS)));
    EXPECT_EQ(strShown, "Alice, Bob");
}

// Outside notify mode a label opens its own address, or mails its text.
TEST_F(AboutDlgTest, LinkModesOpenTheAddressOrMail)
{
    HWND hDlg = Open("");
    CLinkLabel label;
    ASSERT_TRUE(label.SubclassDlgItem(IDC_ABOUT_EMAIL, hDlg));
    ::SetWindowTextA(label.GetSafeHwnd(), "support@vantrel.example");
    label.SetLink(true, false, LINK_MAIL);
    ::SendMessageA(label.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    label.SetLink(true, false);
    ::SendMessageA(label.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    label.SetLinkAddress("https://www.vantrel.example/");
    ::SendMessageA(label.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    label.SetLink(false, false);
    EXPECT_EQ(::GetWindowLongA(label.GetSafeHwnd(), GWL_STYLE) & SS_NOTIFY, 0);
    ::SendMessageA(label.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(g_opened, (std::vector<std::string>{"mailto:support@vantrel.example", "support@vantrel.example",
                                                  "https://www.vantrel.example/"}));
}

TEST_F(AboutDlgTest, LabelTextFormatsFollowTheStaticStyle)
{
    struct Case
    {
        DWORD style;
        const char* text;
        UINT format;
    };
    const Case cases[] = {
        {SS_LEFT, "a", DT_LEFT | DT_WORDBREAK},
        {SS_CENTER, "a", DT_CENTER | DT_WORDBREAK},
        {SS_RIGHT, "a\tb", DT_RIGHT | DT_WORDBREAK | DT_EXPANDTABS},
        {SS_LEFTNOWORDWRAP, "a", 0},
        {SS_LEFTNOWORDWRAP, "a\tb", DT_EXPANDTABS},
        {SS_LEFT | SS_CENTERIMAGE, "a\tb", DT_CENTER | DT_VCENTER | DT_SINGLELINE},
        {SS_RIGHT | SS_CENTERIMAGE, "a\r\nb", DT_CENTER},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LinkLabelTextFormat(c.style, c.text), c.format) << c.style << " " << c.text;
}
} // namespace
