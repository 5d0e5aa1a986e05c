// Message tables under Wine: ranges, notification codes, chaining, reflection, defaults.
#include "probe_windows.h"
#include "window_test.h"

#include <commctrl.h>

#include <memory>
#include <string>

namespace
{
class MessageMapTest : public CWindowTest
{
protected:
    void SetUp() override
    {
        CWindowTest::SetUp();
        ASSERT_TRUE(m_dlg.Create());
        m_hDlg = m_dlg.GetSafeHwnd();
        ASSERT_NE(m_hDlg, nullptr);
    }

    LRESULT Command(UINT id, UINT code = 0, HWND hCtl = nullptr)
    {
        return ::SendMessageA(m_hDlg, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(hCtl));
    }
    LRESULT Notify(HWND hFrom, UINT_PTR id, UINT code)
    {
        NMHDR hdr{hFrom, id, code};
        return ::SendMessageA(m_hDlg, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&hdr));
    }

    CDerivedProbeDlg m_dlg;
    HWND m_hDlg = nullptr;
};

TEST_F(MessageMapTest, CommandRangeReceivesItsIdentifiersOnly)
{
    for (UINT id : {299u, 300u, 304u, 306u, 310u, 311u})
        Command(id);
    EXPECT_EQ(m_dlg.m_commands, (std::vector<UINT>{300, 304, 306, 310}));
}

TEST_F(MessageMapTest, CommandBindingIgnoresControlNotifications)
{
    HWND hEdit = m_dlg.GetDlgItem(IDC_PROBE_EDIT);
    Command(302, EN_CHANGE, hEdit);
    Command(302, 1, hEdit); // code 1 from a control is CBN_SELCHANGE, not an accelerator
    Command(302, 1);        // code 1 without a control is an accelerator
    EXPECT_EQ(m_dlg.m_commands, (std::vector<UINT>{302}));
}

TEST_F(MessageMapTest, NotifyBindingFiresOnlyForItsCodeAndControl)
{
    HWND hEdit = m_dlg.GetDlgItem(IDC_PROBE_EDIT);
    Notify(hEdit, IDC_PROBE_EDIT, NM_DBLCLK);
    Notify(hEdit, IDC_PROBE_EDIT + 1, NM_CLICK);
    Notify(hEdit, IDC_PROBE_EDIT, NM_OUTOFMEMORY);
    EXPECT_TRUE(m_dlg.m_clicks.empty());
    Notify(hEdit, IDC_PROBE_EDIT, NM_CLICK);
    EXPECT_EQ(m_dlg.m_clicks, (std::vector<UINT>{IDC_PROBE_EDIT}));
}

TEST_F(MessageMapTest, DerivedTableWinsAndChainReachesBase)
{
    Command(305);
    Command(400);
    Command(303);
    ::SendMessageA(m_hDlg, WM_PROBE_BASE_ONLY, 0, 0);
    EXPECT_EQ(m_dlg.m_derivedCommands, (std::vector<UINT>{305, 400}));
    EXPECT_EQ(m_dlg.m_commands, (std::vector<UINT>{303}));
    EXPECT_EQ(m_dlg.m_nBaseOnly, 1);
    EXPECT_EQ(m_dlg.m_nInit, 1);
}

TEST_F(MessageMapTest, HandledResultReachesTheSender)
{
    EXPECT_EQ(::SendMessageA(m_hDlg, WM_PROBE_RESULT, 21, 0), 42);
}

TEST_F(MessageMapTest, UnhandledMessagesReachTheDefaultProcedure)
{
    ::SetWindowTextA(m_hDlg, "Nouveau titre");
    EXPECT_EQ(WindowText(m_hDlg), "Nouveau titre");
}

TEST_F(MessageMapTest, AttachedControlReceivesItsMessagesAndKeepsItsDefaults)
{
    CProbeEdit edit;
    HWND hEdit = m_dlg.GetDlgItem(IDC_PROBE_EDIT);
    ASSERT_TRUE(edit.SubclassDlgItem(IDC_PROBE_EDIT, m_hDlg));
    EXPECT_EQ(CWnd::FromHandle(hEdit), &edit);
    ::SendMessageA(hEdit, WM_CHAR, 'a', 0);
    ::SendMessageA(hEdit, WM_CHAR, 'b', 0);
    EXPECT_EQ(edit.m_chars, (std::vector<UINT>{'a', 'b'}));
    EXPECT_EQ(WindowText(hEdit), "ab");
}

TEST_F(MessageMapTest, ReflectedNotificationReachesTheSendingControl)
{
    CProbeEdit edit;
    HWND hEdit = m_dlg.GetDlgItem(IDC_PROBE_EDIT);
    ASSERT_TRUE(edit.SubclassDlgItem(IDC_PROBE_EDIT, m_hDlg));
    EXPECT_EQ(Notify(hEdit, IDC_PROBE_EDIT, NM_CUSTOMDRAW), CDRF_NOTIFYITEMDRAW);
    EXPECT_EQ(edit.m_nCustomDraw, 1);
    // The parent's own binding still sees notifications the control does not take.
    Notify(hEdit, IDC_PROBE_EDIT, NM_CLICK);
    EXPECT_EQ(m_dlg.m_clicks.size(), 1u);
}

TEST_F(MessageMapTest, ControlIsUnhookedWhenItsWindowGoesAndWhenItsObjectGoes)
{
    HWND hEdit = m_dlg.GetDlgItem(IDC_PROBE_EDIT);
    {
        CProbeEdit edit;
        ASSERT_TRUE(edit.SubclassWindow(hEdit));
    }
    EXPECT_EQ(CWnd::FromHandle(hEdit), nullptr);
    ::SendMessageA(hEdit, WM_CHAR, 'x', 0);
    EXPECT_EQ(WindowText(hEdit), "x");

    CProbeEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    ::DestroyWindow(hEdit);
    EXPECT_EQ(edit.GetSafeHwnd(), nullptr);
}

TEST_F(MessageMapTest, ExceptionStopsAtTheBoundaryAndIsReported)
{
    static std::vector<std::string> errors;
    errors.clear();
    SetDispatchErrorHook([](const char* what) { errors.emplace_back(what); });
    ::SendMessageA(m_hDlg, WM_PROBE_THROW, 0, 0);
    EXPECT_EQ(errors, (std::vector<std::string>{"probe failure"}));
    EXPECT_TRUE(::IsWindow(m_hDlg));
}

class ModalDialogTest : public CWindowTest
{
};

CProbeDlg* g_modal = nullptr;

TEST_F(ModalDialogTest, DoModalReturnsTheEndDialogResult)
{
    CProbeDlg dlg;
    g_modal = &dlg;
    // The timer fires inside the dialog's own message loop.
    UINT_PTR timer = ::SetTimer(nullptr, 0, 20,
                                [](HWND, UINT, UINT_PTR id, DWORD)
                                {
                                    ::KillTimer(nullptr, id);
                                    g_modal->EndDialog(77);
                                });
    ASSERT_NE(timer, 0u);
    EXPECT_EQ(dlg.DoModal(), 77);
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dlg.m_nInit, 1);
}

TEST_F(ModalDialogTest, CancelButtonEndsWithIdCancel)
{
    CProbeDlg dlg;
    g_modal = &dlg;
    ::SetTimer(nullptr, 0, 20,
               [](HWND, UINT, UINT_PTR id, DWORD)
               {
                   ::KillTimer(nullptr, id);
                   ::SendMessageA(g_modal->GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                                  reinterpret_cast<LPARAM>(g_modal->GetDlgItem(IDCANCEL)));
               });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(ModalDialogTest, ModelessDialogIsDestroyedWithItsObject)
{
    HWND hDlg = nullptr;
    {
        auto dlg = std::make_unique<CProbeDlg>();
        ASSERT_TRUE(dlg->Create());
        hDlg = dlg->GetSafeHwnd();
        ASSERT_TRUE(::IsWindow(hDlg));
    }
    EXPECT_FALSE(::IsWindow(hDlg));
}
} // namespace

// Typed handlers: what each kind of entry hands its handler, on a control attached by subclassing.
class TypedHandlerTest : public MessageMapTest
{
protected:
    void SetUp() override
    {
        MessageMapTest::SetUp();
        m_hEdit = m_dlg.GetDlgItem(IDC_PROBE_EDIT);
        ASSERT_TRUE(m_probe.SubclassWindow(m_hEdit));
    }

    std::string Handle(const void* h) const { return std::to_string(reinterpret_cast<UINT_PTR>(h)); }
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return ::SendMessageA(m_hEdit, message, wParam, lParam);
    }

    CArgumentProbe m_probe;
    HWND m_hEdit = nullptr;
};

TEST_F(TypedHandlerTest, MessagesArriveCrackedIntoTheirMeaning)
{
    const HDC hDC = ::GetDC(m_hEdit);
    struct Case
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        std::string expected;
    } const cases[] = {
        {WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 300), reinterpret_cast<LPARAM>(m_hDlg),
         "scroll 5 300 " + Handle(m_hDlg)},
        // Left of and above the client area: the coordinates are signed.
        {WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-5, -7), "move 1 -5 -7"},
        {WM_MOUSEMOVE, 0, MAKELPARAM(640, 480), "move 0 640 480"},
        {WM_SETCURSOR, reinterpret_cast<WPARAM>(m_hEdit), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE),
         "cursor " + Handle(m_hEdit) + " 1 512"},
        {WM_ERASEBKGND, reinterpret_cast<WPARAM>(hDC), 0, "erase " + Handle(hDC)},
    };
    std::vector<std::string> expected;
    for (const Case& c : cases)
    {
        Send(c.message, c.wParam, c.lParam);
        expected.push_back(c.expected);
    }
    ::ReleaseDC(m_hEdit, hDC);
    EXPECT_EQ(m_probe.m_calls, expected);
}

TEST_F(TypedHandlerTest, CommandsGiveTheirIdentifierAndControlsTheirWindow)
{
    HWND hOk = m_dlg.GetDlgItem(IDOK);
    Send(WM_COMMAND, MAKEWPARAM(11, EN_CHANGE), reinterpret_cast<LPARAM>(hOk));
    Send(WM_COMMAND, MAKEWPARAM(13, EN_CHANGE), reinterpret_cast<LPARAM>(hOk)); // out of the range
    Send(WM_COMMAND, MAKEWPARAM(11, EN_UPDATE), reinterpret_cast<LPARAM>(hOk)); // another code
    Send(WM_COMMAND, MAKEWPARAM(22, 0), 0);
    Send(WM_COMMAND, MAKEWPARAM(20, 1), 0); // an accelerator
    EXPECT_EQ(m_probe.m_calls,
              (std::vector<std::string>{"control 11 " + Handle(hOk), "command 22", "command 20"}));
}

TEST_F(TypedHandlerTest, NotificationHandlerGetsItsStructureAndItsResultGoesBack)
{
    NMHDR hdr{m_hEdit, 4321, NM_CLICK};
    EXPECT_EQ(Send(WM_NOTIFY, 4321, reinterpret_cast<LPARAM>(&hdr)), 7);
    hdr.code = NM_DBLCLK;
    Send(WM_NOTIFY, 4321, reinterpret_cast<LPARAM>(&hdr));
    EXPECT_EQ(m_probe.m_calls, (std::vector<std::string>{"click 4321"}));
}

// The handler sends its window a message of its own before it asks for the default processing:
// the default must still be that of the key, which then lands in the box.
TEST_F(TypedHandlerTest, DefaultRunsForTheMessageBeingHandledAfterNestedMessages)
{
    ::SetWindowTextA(m_hEdit, "ab");
    ::SendMessageA(m_hEdit, EM_SETSEL, 2, 2);
    Send(WM_CHAR, 'c', 0);
    EXPECT_EQ(m_probe.m_calls, (std::vector<std::string>{"char 99 after 2"}));
    EXPECT_EQ(WindowText(m_hEdit), "abc");
}
