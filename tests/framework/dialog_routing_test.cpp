// Modal dialogs see their messages before the dialog manager does; commands that no table takes
// go on to the application object, F1 among them.
#include "framework/winapp.h"
#include "modal_step.h"
#include "probe_windows.h"
#include "res/resource.h"
#include "window_test.h"

#include <string>
#include <utility>
#include <vector>

namespace
{
constexpr UINT kUnanswered = 900;

class CRecordingApp : public CWinApp
{
public:
    void InitInstance() override {}
    bool OnCmdMsg(UINT id) override
    {
        m_commands.push_back(id);
        return id != kUnanswered;
    }
    std::vector<UINT> m_commands;
};

// Uses up the character "b" on its way to any of its windows.
class CFilteringDlg : public CProbeDlg
{
public:
    bool PreTranslateMessage(MSG& msg) override
    {
        if (msg.message != WM_CHAR || msg.wParam != 'b')
            return false;
        ++m_nUsed;
        return true;
    }
    int m_nUsed = 0;
};

using DialogRoutingTest = CWindowTest;

TEST_F(DialogRoutingTest, ModalLoopHandsMessagesToTheDialogFirst)
{
    CFilteringDlg dlg;
    std::string text;
    bool bPosted = false;
    CModalStep step(
        [&]
        {
            HWND hEdit = dlg.GetDlgItem(IDC_PROBE_EDIT);
            if (hEdit == nullptr)
                return false;
            if (!std::exchange(bPosted, true))
            {
                for (char c : {'a', 'b', 'c'})
                    ::PostMessageA(hEdit, WM_CHAR, static_cast<WPARAM>(c), 0);
                return false;
            }
            text = WindowText(hEdit);
            dlg.EndDialog(IDOK);
            return true;
        });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(text, "ac");
    EXPECT_EQ(dlg.m_nUsed, 1);

    // Outside a modal loop nothing is filtered.
    ASSERT_TRUE(dlg.Create());
    ::SendMessageA(dlg.GetDlgItem(IDC_PROBE_EDIT), WM_CHAR, 'b', 0);
    EXPECT_EQ(WindowText(dlg.GetDlgItem(IDC_PROBE_EDIT)), "b");
    EXPECT_EQ(dlg.m_nUsed, 1);
}

TEST_F(DialogRoutingTest, CommandsNoTableTakesGoOnToTheApplication)
{
    CProbeDlg dlg;
    ASSERT_TRUE(dlg.Create());
    HWND hDlg = dlg.GetSafeHwnd();
    HWND hEdit = dlg.GetDlgItem(IDC_PROBE_EDIT);
    struct Case
    {
        WPARAM wParam;
        LPARAM lParam;
        std::vector<UINT> toApp;
    };
    const Case cases[] = {
        {MAKEWPARAM(500, 0), 0, {500}},                                               // a menu item
        {MAKEWPARAM(501, 1), 0, {501}},                                               // an accelerator
        {MAKEWPARAM(kUnanswered, 0), 0, {kUnanswered}},                               // the app declines
        {MAKEWPARAM(305, 0), 0, {}},                                                  // the dialog's own
        {MAKEWPARAM(IDC_PROBE_EDIT, EN_CHANGE), reinterpret_cast<LPARAM>(hEdit), {}}, // a control
    };
    for (const Case& c : cases)
    {
        CRecordingApp app;
        ::SendMessageA(hDlg, WM_COMMAND, c.wParam, c.lParam);
        EXPECT_EQ(app.m_commands, c.toApp) << LOWORD(c.wParam);
    }

    // F1 asks for help, which is the application's.
    CRecordingApp app;
    HELPINFO info{};
    info.cbSize = sizeof info;
    ::SendMessageA(hDlg, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(app.m_commands, std::vector<UINT>{ID_HELP});
    EXPECT_EQ(dlg.m_commands, std::vector<UINT>{305});
}

TEST_F(DialogRoutingTest, WithoutAnApplicationCommandsAreDropped)
{
    ASSERT_EQ(CWinApp::GetApp(), nullptr);
    CProbeDlg dlg;
    ASSERT_TRUE(dlg.Create());
    ::SendMessageA(dlg.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(500, 0), 0);
    EXPECT_TRUE(::IsWindow(dlg.GetSafeHwnd()));
}

} // namespace
