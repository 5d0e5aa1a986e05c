// The update tool: which program its command line finds beside it, what its window shows, the
// download address it hands to the shell, and the one message each failure shows.
#include "update/update_dlg.h"
#include "update/update_resource.h"
#include "update/update_tool.h"

#include "framework/handles.h"
#include "framework/resource_module.h"
#include "framework/wnd.h"
#include "model/placeholder_text.h"
#include "modal_step.h"
#include "window_test.h"

#include <functional>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> g_addresses;
INT_PTR g_nShellResult = 42;

HINSTANCE WINAPI FakeShellExecute(HWND, LPCSTR pszVerb, LPCSTR pszFile, LPCSTR pszParameters, LPCSTR, INT)
{
    EXPECT_STREQ(pszVerb, "open");
    EXPECT_EQ(pszParameters, nullptr);
    g_addresses.push_back(pszFile);
    return reinterpret_cast<HINSTANCE>(g_nShellResult);
}

// The message box's text: its one static control with a text (the other holds the icon).
std::string MessageText(HWND hBox)
{
    std::string text;
    for (HWND hChild = ::GetWindow(hBox, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        char szClass[16] = {};
        ::GetClassNameA(hChild, szClass, sizeof szClass);
        const std::string strText = CWnd::GetText(hChild);
        if (lstrcmpiA(szClass, "Static") == 0 && !strText.empty())
            text = strText;
    }
    return text;
}

// Runs the action and gives the texts of the message boxes it showed, each closed with OK.
std::vector<std::string> Messages(const std::function<void()>& action)
{
    std::vector<std::string> messages;
    CModalStep step(
        [&]
        {
            HWND hBox = FindThreadWindow("#32770", nullptr);
            if (hBox != nullptr && CWnd::GetText(hBox) == LoadResourceString(IDS_UPDATE_CAPTION))
            {
                messages.push_back(MessageText(hBox));
                ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
            }
            return false;
        });
    action();
    return messages;
}

class UpdateToolTest : public CWindowTest
{
protected:
    void SetUp() override
    {
        CWindowTest::SetUp();
        g_addresses.clear();
        g_nShellResult = 42;
        SetUpdateShellFunction(FakeShellExecute);
        char szTemp[MAX_PATH] = {};
        ::GetTempPathA(sizeof szTemp, szTemp);
        m_strEmptyFolder = std::string(szTemp) + "vantrel-update-test";
        ::CreateDirectoryA(m_strEmptyFolder.c_str(), nullptr);
        // A file by the program's name that is no program.
        CFileHandle file(::CreateFileA((m_strEmptyFolder + "\\Faux.exe").c_str(), GENERIC_WRITE, 0, nullptr,
                                       CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(file);
        ::WriteFile(file.get(), "MZ", 2, nullptr, nullptr);
    }
    void TearDown() override
    {
        SetUpdateShellFunction(nullptr);
        ::DeleteFileA((m_strEmptyFolder + "\\Faux.exe").c_str());
        ::RemoveDirectoryA(m_strEmptyFolder.c_str());
        CWindowTest::TearDown();
    }

    std::string m_strEmptyFolder;
};

TEST_F(UpdateToolTest, TheProgramNamedOnTheCommandLineIsReadBesideTheTool)
{
    std::optional<InstalledProgram> program;
    EXPECT_TRUE(
        Messages([&] { program = FindInstalledProgram(nullptr, "/PROG:\"Vantrel\"", VANTREL_BIN_DIR); })
            .empty());
    ASSERT_TRUE(program);
    EXPECT_EQ(program->strName, "Vantrel");
    EXPECT_EQ(program->strFileVersion, "2,1,0,71");
    EXPECT_EQ(program->strDate, "7 d\xE9"
                                "cembre 2026");
}

TEST_F(UpdateToolTest, WithoutAProgramTheToolSaysWhyAndStops)
{
    struct Case
    {
        const char* commandLine;
        std::string folder;
        std::string message;
    };
    const std::string strBin = VANTREL_BIN_DIR;
    const Case cases[] = {
        {"", strBin, LoadResourceString(IDS_UPDATE_NO_PRODUCT)},
        {"/CONFIG:\"Vantrel\"", strBin, LoadResourceString(IDS_UPDATE_NO_PRODUCT)},
        {"/PROG:\"..\\Vantrel\"", strBin, LoadResourceString(IDS_UPDATE_NO_PRODUCT)},
        {"/PROG:\"Vantrel\"", m_strEmptyFolder,
         FillPlaceholders(LoadResourceString(IDS_UPDATE_NOT_FOUND), {"Vantrel", m_strEmptyFolder})},
        {"/PROG:\"Faux\"", m_strEmptyFolder,
         FillPlaceholders(LoadResourceString(IDS_UPDATE_NOT_FOUND), {"Faux", m_strEmptyFolder})},
    };
    for (const Case& c : cases)
    {
        std::optional<InstalledProgram> program;
        EXPECT_EQ(Messages([&] { program = FindInstalledProgram(nullptr, c.commandLine, c.folder); }),
                  std::vector<std::string>{c.message})
            << c.commandLine;
        EXPECT_FALSE(program) << c.commandLine;
    }
    EXPECT_TRUE(g_addresses.empty());
}

TEST_F(UpdateToolTest, WindowShowsTheInstalledVersionAndOpensTheDownloadPage)
{
    const InstalledProgram program{"Vantrel", "2,1,0,71",
                                   "7 d\xE9"
                                   "cembre 2026"};
    CUpdateDlg dlg(program);
    ASSERT_TRUE(dlg.Create());
    HWND hDlg = dlg.GetSafeHwnd();
    EXPECT_EQ(WindowText(hDlg), "Mise \xE0 jour en ligne de Vantrel");
    EXPECT_EQ(dlg.GetDlgItemText(IDC_UPDATE_PRODUCT), "Programme : Vantrel");
    EXPECT_EQ(dlg.GetDlgItemText(IDC_UPDATE_VERSION), "Version install\xE9"
                                                      "e : 2.1.71 (7 d\xE9"
                                                      "cembre 2026)");
    // Enter presses the default button, the one that opens the page.
    EXPECT_EQ(LOWORD(::SendMessageA(hDlg, DM_GETDEFID, 0, 0)), IDOK);

    // A refused page leaves the window open after its message.
    g_nShellResult = 2;
    EXPECT_EQ(Messages([&] { ::SendMessageA(hDlg, WM_COMMAND, IDOK, 0); }),
              std::vector<std::string>{LoadResourceString(IDS_UPDATE_LINK_FAILED)});
    EXPECT_TRUE(::IsWindow(hDlg));
    g_nShellResult = 42;
    EXPECT_TRUE(Messages([&] { ::SendMessageA(hDlg, WM_COMMAND, IDOK, 0); }).empty());
    EXPECT_FALSE(::IsWindow(hDlg));
    const std::string strPage =
        "https://www.vantrel.example/redirprog.php?url=vantrel_telechargement&ver=2.1.71&prog=Vantrel";
    EXPECT_EQ(g_addresses, (std::vector<std::string>{strPage, strPage}));
}

TEST_F(UpdateToolTest, AProgramWithoutADateShowsItsVersionAlone)
{
    CUpdateDlg dlg(InstalledProgram{"Autre", "3,0,12,5", ""});
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(dlg.GetDlgItemText(IDC_UPDATE_VERSION), "Version install\xE9"
                                                      "e : 3.0.5");
}
} // namespace
