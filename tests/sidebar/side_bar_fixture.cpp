// Side bar test fixture: host window, content, painting, pixels and messages.
#include "side_bar_fixture.h"

#include "framework/scopes.h"
#include "res/resource.h"
#include "framework/theme_library.h"

const CMessageEntry CRecordingSideBar::s_messageEntries[] = {
    OnControlCode<&CRecordingSideBar::OnEditChange>(EN_CHANGE),
};
const CMessageMap CRecordingSideBar::s_messageMap{CSideBar::s_messageMap, s_messageEntries};

void CRecordingSideBar::OnEditChange(UINT, HWND hEdit)
{
    m_changes.push_back(GetText(hEdit));
}

void SideBarTest::SetUp()
{
    CWindowTest::SetUp();
    m_hHost = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, kBarWidth + 40, 440, nullptr,
                                nullptr, nullptr, nullptr);
    ASSERT_NE(m_hHost, nullptr);
    m_hBar = ::CreateWindowExA(0, kSideBarClassName, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, kBarWidth, 400,
                               m_hHost, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(m_hBar, nullptr);
    ASSERT_TRUE(m_sideBar.SubclassWindow(m_hBar));
    ASSERT_EQ(m_sideBar.AddGroup("Groupe A"), 0);
    ASSERT_TRUE(m_sideBar.AddItem(0, "Premier lien", kFirstLink, SIDEBAR_ITEM_LINK));
    ASSERT_TRUE(m_sideBar.AddItem(0, "Second lien", kSecondLink, SIDEBAR_ITEM_LINK));
    ASSERT_TRUE(m_sideBar.AddItem(0, "", kEditRow, SIDEBAR_ITEM_EDIT));
    ASSERT_EQ(m_sideBar.AddGroup("Groupe B"), 1);
    ASSERT_TRUE(m_sideBar.AddItem(1, "Troisième", kThirdLink, SIDEBAR_ITEM_LINK));
    Paint();
}

void SideBarTest::TearDown()
{
    if (m_hHost != nullptr)
        ::DestroyWindow(m_hHost);
    CWindowTest::TearDown();
}

void SideBarTest::Resize(int nHeight)
{
    ::SetWindowPos(m_hBar, nullptr, 0, 0, kBarWidth, nHeight, SWP_NOMOVE | SWP_NOZORDER);
    Paint();
}

void SideBarTest::Paint()
{
    ::InvalidateRect(m_hBar, nullptr, TRUE);
    for (int i = 0; i < 4 && IsInvalid(); ++i)
        ::UpdateWindow(m_hBar);
    ASSERT_FALSE(IsInvalid());
}

COLORREF SideBarTest::Pixel(int x, int y) const
{
    CClientDC dc(m_hBar);
    return ::GetPixel(dc.get(), x, y);
}

int SideBarTest::TitleHeight() const
{
    const int nCaption = ::GetSystemMetrics(SM_CYCAPTION);
    const bool bThemed =
        m_sideBar.GetDrawStyle() == InterfaceLook::VisualStyles && GetThemeLibrary().IsAppThemed();
    return bThemed ? ::MulDiv(nCaption, 9, 8) : nCaption;
}

HCURSOR SideBarTest::CursorOverClient() const
{
    ::SendMessageA(m_hBar, WM_SETCURSOR, reinterpret_cast<WPARAM>(m_hBar),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return ::GetCursor();
}

HCURSOR SideBarTest::HandCursor()
{
    return ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_HAND_LINK));
}

UINT SideBarTest::TakeCommand()
{
    MSG msg;
    if (!::PeekMessageA(&msg, m_hHost, WM_COMMAND, WM_COMMAND, PM_REMOVE))
        return 0;
    EXPECT_EQ(msg.lParam, 0);
    return static_cast<UINT>(msg.wParam);
}
