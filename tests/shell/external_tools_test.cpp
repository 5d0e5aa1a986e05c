// What the program opens outside itself: the shell calls it makes, and the one message each
// failure shows, for the companion tools, the quiz, web links and the help file.
#include "shell/external_tools.h"

#include "mainwnd/main_dlg.h"
#include "shell/resistor_app.h"

#include "framework/command_ids.h"
#include "framework/handles.h"
#include "framework/resource_module.h"
#include "framework/wnd.h"
#include "modal_step.h"
#include "res/resource.h"
#include "window_test.h"

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace
{
struct ShellCall
{
    std::string file;
    std::string parameters;
    std::string directory;
};
std::vector<ShellCall> g_calls;
INT_PTR g_nShellResult = 42;

HINSTANCE WINAPI FakeShellExecute(HWND, LPCSTR, LPCSTR pszFile, LPCSTR pszParameters, LPCSTR pszDirectory,
                                  INT)
{
    g_calls.push_back({pszFile, pszParameters != nullptr ? pszParameters : "(null)",
                       pszDirectory != nullptr ? pszDirectory : "(null)"});
    return reinterpret_cast<HINSTANCE>(g_nShellResult);
}

std::vector<UINT> g_helpCommands;
HWND WINAPI FakeHtmlHelp(HWND, LPCSTR, UINT uCommand, DWORD_PTR)
{
    g_helpCommands.push_back(uCommand);
    return nullptr;
}

void SetKeyText(HKEY hHive, const char* pszPath, const char* pszName, const char* pszText)
{
    CKeyHandle key;
    ASSERT_EQ(::RegCreateKeyExA(hHive, pszPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(), nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExA(key.get(), pszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(pszText),
                     static_cast<DWORD>(strlen(pszText) + 1));
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

class ExternalToolsTest : public CWindowTest
{
protected:
    void SetUp() override
    {
        CWindowTest::SetUp();
        m_hOwner = ::CreateWindowExA(0, "STATIC", "Vantrel", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     nullptr, nullptr);
        ASSERT_NE(m_hOwner, nullptr);
        g_calls.clear();
        g_helpCommands.clear();
        g_nShellResult = 42;
        SetShellExecuteFunction(FakeShellExecute);
        SetHtmlHelpFunction(FakeHtmlHelp);
        ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Apps QZN\\QZNRepair");
        ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Apps QZN\\QZNUpdate");
        ::DeleteFileA(HelpFile().c_str());
    }
    void TearDown() override
    {
        SetShellExecuteFunction(nullptr);
        SetHtmlHelpFunction(nullptr);
        ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Apps QZN\\QZNRepair");
        ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Apps QZN\\QZNUpdate");
        ::DeleteFileA(HelpFile().c_str());
        ::DestroyWindow(m_hOwner);
        CWindowTest::TearDown();
    }
    static std::string HelpFile() { return GetProgramFolder() + "\\" + GetApplicationName() + ".chm"; }

    // Runs the action and gives the texts of the message boxes it showed, each closed with OK.
    std::vector<std::string> Messages(const std::function<void()>& action)
    {
        std::vector<std::string> messages;
        CModalStep step(
            [&]
            {
                HWND hBox = FindThreadWindow("#32770", m_hOwner);
                if (hBox != nullptr)
                {
                    messages.push_back(MessageText(hBox));
                    ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
                }
                return false;
            });
        action();
        return messages;
    }

    HWND m_hOwner = nullptr;
};

TEST_F(ExternalToolsTest, CompanionToolsAreStartedWithTheirOptionOrExplained)
{
    struct Case
    {
        const char* path; // nullptr: no key at all
        INT_PTR nShellResult;
        size_t nCalls;
        bool bMessage;
    };
    const Case cases[] = {
        {nullptr, 42, 0, true},                   // not installed
        {"", 42, 0, true},                        // registered without a path
        {"C:\\Outils\\manquant.exe", 2, 1, true}, // the file is gone: the shell says so
        {"C:\\Outils\\outil.exe", 42, 1, false},
        {"C:\\Outils\\outil.exe", 32, 1, true}, // 32 is still a failure
    };
    struct Tool
    {
        const char* key;
        void (*launch)(HWND, const std::string&);
        const char* parameters;
        UINT idMessage;
    };
    const Tool tools[] = {
        {"Software\\Apps QZN\\QZNRepair", LaunchRepairTool, "/CONFIG:\"Vantrel\"", IDS_REPAIR_MISSING},
        {"Software\\Apps QZN\\QZNUpdate", LaunchUpdateTool, "/PROG:\"Vantrel\"", IDS_UPDATE_MISSING},
    };
    for (const Tool& tool : tools)
    {
        for (const Case& c : cases)
        {
            ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, tool.key);
            if (c.path != nullptr)
                SetKeyText(HKEY_LOCAL_MACHINE, tool.key, "Chemin", c.path);
            g_calls.clear();
            g_nShellResult = c.nShellResult;
            const std::vector<std::string> messages = Messages([&] { tool.launch(m_hOwner, "Vantrel"); });
            ASSERT_EQ(g_calls.size(), c.nCalls) << tool.key << " " << (c.path ? c.path : "(none)");
            if (c.nCalls > 0)
            {
                EXPECT_EQ(g_calls[0].file, c.path);
                EXPECT_EQ(g_calls[0].parameters, tool.parameters);
            }
            EXPECT_EQ(messages, c.bMessage ? std::vector<std::string>{LoadResourceString(tool.idMessage)}
                                           : std::vector<std::string>{});
        }
    }
}

TEST_F(ExternalToolsTest, QuizStartsFromTheProgramFolder)
{
    for (const INT_PTR nResult : {INT_PTR{42}, INT_PTR{2}})
    {
        g_calls.clear();
        g_nShellResult = nResult;
        const std::vector<std::string> messages = Messages([&] { StartQuiz(m_hOwner); });
        ASSERT_EQ(g_calls.size(), 1u);
        EXPECT_EQ(g_calls[0].file, "quiz.exe");
        EXPECT_EQ(g_calls[0].parameters, "");
        EXPECT_EQ(g_calls[0].directory, GetProgramFolder());
        EXPECT_EQ(messages.size(), nResult > 32 ? 0u : 1u);
    }
    EXPECT_EQ(GetProgramFolder().back() != '\\', true);
}

TEST_F(ExternalToolsTest, WebLinksCarryTheVersionOnlyWhenTheyEndWithAnAmpersand)
{
    const std::string strHome = LoadResourceString(IDS_HOME_LINK);
    ASSERT_EQ(strHome.back(), '&');
    EXPECT_TRUE(Messages([&] { OpenWebLink(m_hOwner, strHome); }).empty());
    EXPECT_TRUE(Messages([&] { OpenWebLink(m_hOwner, "https://www.vantrel.example/page"); }).empty());
    ASSERT_EQ(g_calls.size(), 2u);
    EXPECT_EQ(g_calls[0].file, strHome + "ver=" + GetShortVersion() + "&prog=" + GetApplicationName());
    EXPECT_EQ(g_calls[1].file, "https://www.vantrel.example/page");
    EXPECT_EQ(GetShortVersion(), "2.1.71");

    g_nShellResult = 5;
    EXPECT_EQ(Messages([&] { OpenWebLink(m_hOwner, strHome); }),
              std::vector<std::string>{LoadResourceString(IDS_WEB_LINK_FAILED)});
}

TEST_F(ExternalToolsTest, HelpNeedsTheViewerItsRegistrationAndTheFile)
{
    const char* kClassKey = "CLSID\\{ADB880A4-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
    const std::string strFailed = LoadResourceString(IDS_HELP_FAILED);
    // A fresh prefix does not register the viewer's class, and the file is missing.
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "CLSID\\{ADB880A4-D8FF-11CF-9377-00AA003B7A11}");
    EXPECT_EQ(Messages([&] { ShowHelpIndex(m_hOwner); }), std::vector<std::string>{strFailed});
    SetKeyText(HKEY_CLASSES_ROOT, kClassKey, "", "C:\\windows\\system32\\hhctrl.ocx");
    EXPECT_EQ(Messages([&] { ShowHelpIndex(m_hOwner); }), std::vector<std::string>{strFailed});
    EXPECT_TRUE(g_helpCommands.empty());
    {
        CFileHandle file(
            ::CreateFileA(HelpFile().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(file);
    }
    EXPECT_TRUE(Messages([&] { ShowHelpIndex(m_hOwner); }).empty());
    EXPECT_TRUE(Messages([&] { ShowHelpTopic(m_hOwner, "options.htm"); }).empty());
    EXPECT_EQ(g_helpCommands, (std::vector<UINT>{0x0002, 0x0000}));
    // A registration without a server is no registration.
    SetKeyText(HKEY_CLASSES_ROOT, kClassKey, "", "");
    EXPECT_EQ(Messages([&] { ShowHelpIndex(m_hOwner); }), std::vector<std::string>{strFailed});
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "CLSID\\{ADB880A4-D8FF-11CF-9377-00AA003B7A11}");
}
// Run by the test entry that keeps the help viewer's library from loading.
TEST_F(ExternalToolsTest, WithoutTheViewerLibraryHelpSaysSoOnce)
{
    if (CModuleHandle(::LoadLibraryA("Hhctrl.ocx")))
        GTEST_SKIP() << "the viewer's library loads here";
    SetKeyText(HKEY_CLASSES_ROOT, "CLSID\\{ADB880A4-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32", "",
               "C:\\windows\\system32\\hhctrl.ocx");
    CFileHandle(::CreateFileA(HelpFile().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    EXPECT_EQ(Messages([&] { ShowHelpIndex(m_hOwner); }),
              std::vector<std::string>{LoadResourceString(IDS_HELP_FAILED)});
    EXPECT_TRUE(g_helpCommands.empty());
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "CLSID\\{ADB880A4-D8FF-11CF-9377-00AA003B7A11}");
}

// Every help request of the application, and the first-run question's "Oui", show the index.
TEST_F(ExternalToolsTest, HelpRequestsAndTheFirstRunAnswerShowTheIndex)
{
    SetKeyText(HKEY_CLASSES_ROOT, "CLSID\\{ADB880A4-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32", "",
               "C:\\windows\\system32\\hhctrl.ocx");
    CFileHandle(::CreateFileA(HelpFile().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    CResistorApp app;
    EXPECT_TRUE(app.OnCmdMsg(ID_HELP_INDEX));
    EXPECT_TRUE(app.OnCmdMsg(ID_HELP));
    EXPECT_FALSE(app.OnCmdMsg(ID_APP_ABOUT));
    EXPECT_EQ(g_helpCommands, (std::vector<UINT>{0x0002, 0x0002}));

    for (const int nAnswer : {IDNO, IDYES})
    {
        g_helpCommands.clear();
        CAppSettings settings;
        settings.m_bFirstRun = TRUE;
        CMainDlg dlg(IDD_MAIN_VERTICAL, settings);
        CModalStep step(
            [&]
            {
                HWND hBox = FindThreadWindow("#32770", nullptr);
                if (hBox == nullptr || MessageText(hBox) != LoadResourceString(IDS_FIRST_RUN))
                    return false;
                ::PostMessageA(hBox, WM_COMMAND, static_cast<WPARAM>(nAnswer), 0);
                return true;
            });
        ASSERT_TRUE(dlg.Create());
        PumpMessages();
        EXPECT_EQ(g_helpCommands.size(), nAnswer == IDYES ? 1u : 0u);
        EXPECT_EQ(settings.m_bFirstRun, FALSE);
    }
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "CLSID\\{ADB880A4-D8FF-11CF-9377-00AA003B7A11}");
}
} // namespace
