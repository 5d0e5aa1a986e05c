// Modal dialogs see their messages before the dialog manager does; commands that no table takes
// go on to the application object, F1 among them.
#include "framework/command_ids.h"
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

// Answers one message as told: takes it, declines it or asks for the default. The same handler
// serves a dialog and a control attached by subclassing.
enum class Answer
{
    take,
    decline,
    byDefault,
};
template <class Base, UINT nMessage> class TAnswering : public Base
{
public:
    using Base::Base;
    Answer m_answer = Answer::take;
    int m_nSeen = 0;

protected:
    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    static const CMessageMap s_messageMap;

    LRESULT OnAnswer(WPARAM, LPARAM)
    {
        ++m_nSeen;
        if (m_answer == Answer::decline)
            this->DeclineMessage();
        else if (m_answer == Answer::byDefault)
            return this->Default();
        return TRUE;
    }

private:
    static const CMessageEntry s_messageEntries[];
};
template <class Base, UINT nMessage>
const CMessageEntry TAnswering<Base, nMessage>::s_messageEntries[] = {
    OnMessage<nMessage, &TAnswering<Base, nMessage>::OnAnswer>(),
};
template <class Base, UINT nMessage>
const CMessageMap TAnswering<Base, nMessage>::s_messageMap{Base::s_messageMap, s_messageEntries};

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

// A handler that declines leaves the message to the default processing, which in a dialog is the
// dialog manager's once the procedure answers: asking for the default there declines too. A
// subclassed control gets its text messages in Unicode under the common controls' hook, so the
// control is probed with a message that carries no text.
TEST_F(DialogRoutingTest, DeclinedMessagesGetTheDefaultProcessing)
{
    TAnswering<CProbeDlg, WM_SETTEXT> dlg;
    ASSERT_TRUE(dlg.Create());
    TAnswering<CWnd, EM_SETLIMITTEXT> edit;
    ASSERT_TRUE(edit.SubclassDlgItem(IDC_PROBE_EDIT, dlg.GetSafeHwnd()));
    const struct
    {
        Answer answer;
        bool bApplied;
    } cases[] = {
        {Answer::take, false}, {Answer::decline, true}, {Answer::take, false}, {Answer::byDefault, true}};
    int nCase = 0;
    for (const auto& c : cases)
    {
        ++nCase;
        const std::string strBefore = "before " + std::to_string(nCase);
        const std::string strAfter = "after " + std::to_string(nCase);
        dlg.m_answer = Answer::decline;
        ::SetWindowTextA(dlg.GetSafeHwnd(), strBefore.c_str());
        dlg.m_answer = c.answer;
        ::SetWindowTextA(dlg.GetSafeHwnd(), strAfter.c_str());
        EXPECT_EQ(WindowText(dlg.GetSafeHwnd()), c.bApplied ? strAfter : strBefore) << "dialog " << nCase;

        const WPARAM nBefore = 100 + static_cast<WPARAM>(nCase);
        const WPARAM nAfter = 200 + static_cast<WPARAM>(nCase);
        edit.m_answer = Answer::decline;
        ::SendMessageA(edit.GetSafeHwnd(), EM_SETLIMITTEXT, nBefore, 0);
        edit.m_answer = c.answer;
        ::SendMessageA(edit.GetSafeHwnd(), EM_SETLIMITTEXT, nAfter, 0);
        EXPECT_EQ(::SendMessageA(edit.GetSafeHwnd(), EM_GETLIMITTEXT, 0, 0),
                  static_cast<LRESULT>(c.bApplied ? nAfter : nBefore))
            << "control " << nCase;
    }
    EXPECT_EQ(dlg.m_nSeen, 8);
    EXPECT_EQ(edit.m_nSeen, 8);
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
