// Side bar test fixture: host window, content, painting, pixels and mouse messages.
#include "side_bar_fixture.h"

#include "framework/scopes.h"
#include "res/resource.h"
#include "sidebar/theme_library.h"

const TMessageEntry<CRecordingSideBar> CRecordingSideBar::s_messageMap[] = {
    {WM_COMMAND, EN_CHANGE, 0, 0, kMatchCode, &CRecordingSideBar::OnEditChange},
};

bool CRecordingSideBar::ProcessMessage(CMessage& msg, LRESULT& result)
{
    return DispatchTable(this, s_messageMap, msg, result) || CSideBar::ProcessMessage(msg, result);
}

LRESULT CRecordingSideBar::OnEditChange(CMessage& msg)
{
    char szText[64] = "";
    ::GetWindowTextA(reinterpret_cast<HWND>(msg.lParam), szText, sizeof(szText));
    m_changes.push_back({msg.Id(), szText});
    return 0;
}

namespace
{
constexpr const char* kHostClass = "VantrelSideBarHost";

void RegisterHostClass()
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kHostClass;
    ::RegisterClassA(&wc);
}
} // namespace

void SideBarTest::SetUp()
{
    CWindowTest::SetUp();
    RegisterHostClass();
    m_hHost = ::CreateWindowExA(0, kHostClass, "Hôte", WS_POPUP | WS_VISIBLE, 0, 0, kBarWidth + 40,
                                kBarHeight + 40, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(m_hHost, nullptr);
    m_hBar = ::CreateWindowExA(0, kSideBarClassName, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, kBarWidth,
                               kBarHeight, m_hHost, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(m_hBar, nullptr);
    ASSERT_TRUE(m_sideBar.SubclassWindow(m_hBar));
    AddContent();
    Paint();
}

void SideBarTest::TearDown()
{
    if (m_hHost != nullptr)
        ::DestroyWindow(m_hHost);
    CWindowTest::TearDown();
}

void SideBarTest::AddContent()
{
    ASSERT_EQ(m_sideBar.AddGroup("Groupe A"), 0);
    ASSERT_TRUE(m_sideBar.AddItem(0, "Premier lien", kFirstLink, SIDEBAR_ITEM_LINK));
    ASSERT_TRUE(m_sideBar.AddItem(0, "Second lien", kSecondLink, SIDEBAR_ITEM_LINK));
    ASSERT_TRUE(m_sideBar.AddItem(0, "", kEditRow, SIDEBAR_ITEM_EDIT));
    ASSERT_EQ(m_sideBar.AddGroup("Groupe B"), 1);
    ASSERT_TRUE(m_sideBar.AddItem(1, "Troisième", kThirdLink, SIDEBAR_ITEM_LINK));
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

bool SideBarTest::IsInvalid() const
{
    return ::GetUpdateRect(m_hBar, nullptr, FALSE) != FALSE;
}

COLORREF SideBarTest::Pixel(int x, int y) const
{
    CClientDC dc(m_hBar);
    return ::GetPixel(dc.get(), x, y);
}

bool SideBarTest::HasScrollBar() const
{
    return (::GetWindowLongA(m_hBar, GWL_STYLE) & WS_VSCROLL) != 0;
}

int SideBarTest::TitleHeight() const
{
    const int nCaption = ::GetSystemMetrics(SM_CYCAPTION);
    if (m_sideBar.GetDrawStyle() == SIDEBAR_STYLE_XP && g_themeLibrary.IsAppThemed())
        return ::MulDiv(nCaption, 9, 8);
    return nCaption;
}

int SideBarTest::RowHeight()
{
    return ::MulDiv(::GetSystemMetrics(SM_CYMENU), 9, 8);
}

CSideBarItem& SideBarTest::Item(int nGroup, int nIndex) const
{
    return *m_sideBar.GetGroup(nGroup)->GetItem(nIndex);
}

POINT SideBarTest::ClientCentre(const RECT& rcContent) const
{
    return {(rcContent.left + rcContent.right) / 2,
            (rcContent.top + rcContent.bottom) / 2 - m_sideBar.GetScrollPosition()};
}

void SideBarTest::MouseMove(POINT pt)
{
    ::SendMessageA(m_hBar, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
}

void SideBarTest::Press(POINT pt)
{
    ::SendMessageA(m_hBar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
}

void SideBarTest::Release(POINT pt)
{
    ::SendMessageA(m_hBar, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
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
