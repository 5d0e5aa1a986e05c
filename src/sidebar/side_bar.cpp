// Side bar control: window class, content operations, hot tracking, clicks and scrolling.
#include "sidebar/side_bar.h"

#include "res/resource.h"

#include <algorithm>

namespace
{
// A class that cannot be registered leaves the templates that hold a side bar without their
// control: the dialog that holds one then fails to be created, which its creator sees.
void RegisterSideBarClass()
{
    HINSTANCE hInstance = ::GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    if (::GetClassInfoA(hInstance, kSideBarClassName, &wc))
        return;
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    // The behaviour comes from the object that subclasses the window when it is attached.
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInstance;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kSideBarClassName;
    ::RegisterClassA(&wc);
}

// Groups and items alike: the mark passes from the old holder to the new one.
template <class T> void MoveHotMark(T*& pHot, T* pHit)
{
    if (pHot != nullptr)
        pHot->SetHot(FALSE);
    pHot = pHit;
    if (pHot != nullptr)
        pHot->SetHot(TRUE);
}
} // namespace

const CMessageEntry CSideBar::s_messageEntries[] = {
    OnMessage<WM_PAINT, &CSideBar::OnPaint>(),
    OnMessage<WM_ERASEBKGND, &CSideBar::OnEraseBkgnd>(),
    OnMessage<WM_SETCURSOR, &CSideBar::OnSetCursor>(),
    OnMessage<WM_MOUSEMOVE, &CSideBar::OnMouseMove>(),
    OnMessage<WM_LBUTTONDOWN, &CSideBar::OnLButtonDown>(),
    OnMessage<WM_LBUTTONUP, &CSideBar::OnLButtonUp>(),
    OnMessage<WM_VSCROLL, &CSideBar::OnVScroll>(),
    OnMessage<WM_THEMECHANGED, &CSideBar::OnThemeChanged>(),
    OnMessage<WM_SIZE, &CSideBar::OnSize>(),
    OnMessage<WM_COMMAND, &CSideBar::OnCommand>(),
};
const CMessageMap CSideBar::s_messageMap{CWnd::s_messageMap, s_messageEntries};

CSideBar::CSideBar()
    : m_hHandCursor(::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_HAND_LINK)))
{
    RegisterSideBarClass();
}

CSideBar::~CSideBar()
{
    RemoveAllGroups();
}

int CSideBar::AddGroup(const std::string& strTitle)
{
    m_groups.push_back(std::make_unique<CSideBarGroup>(strTitle));
    Refresh();
    return GetGroupCount() - 1;
}

BOOL CSideBar::AddItem(int nGroup, const std::string& strText, UINT nID, int nKind)
{
    CSideBarGroup* pGroup = GetGroup(nGroup);
    if (pGroup == nullptr)
        return FALSE;
    if (nKind == SIDEBAR_ITEM_LINK)
        pGroup->AddItem(std::make_unique<CSideBarItem>(strText, nID));
    else if (nKind == SIDEBAR_ITEM_EDIT)
        pGroup->AddItem(std::make_unique<CSideBarEditItem>(strText, nID, *this));
    Refresh();
    return TRUE;
}

void CSideBar::RemoveAllGroups()
{
    m_pendingItems.clear();
    m_pHotGroup = nullptr;
    m_pHotItem = nullptr;
    m_groups.clear();
}

CSideBarGroup* CSideBar::GetGroup(int nGroup) const
{
    if (nGroup < 0 || nGroup >= GetGroupCount())
        return nullptr;
    return m_groups[static_cast<size_t>(nGroup)].get();
}

BOOL CSideBar::ExpandGroup(int nGroup, int nOpen)
{
    CSideBarGroup* pGroup = GetGroup(nGroup);
    if (pGroup == nullptr)
        return FALSE;
    if ((nOpen == 1 || nOpen == 0) && pGroup->SetExpanded(nOpen))
        Refresh();
    return TRUE;
}

BOOL CSideBar::IsGroupCollapsed(int nGroup) const
{
    const CSideBarGroup* pGroup = GetGroup(nGroup);
    return pGroup != nullptr ? pGroup->IsCollapsed() : FALSE;
}

std::string CSideBar::GetItemText(int nGroup, UINT nID) const
{
    std::string strText;
    if (const CSideBarGroup* pGroup = GetGroup(nGroup))
        pGroup->ForEachItem(nID, [&](const CSideBarItem& item) { strText = item.GetText(); });
    return strText;
}

void CSideBar::SetItemText(int nGroup, UINT nID, const std::string& strText)
{
    if (const CSideBarGroup* pGroup = GetGroup(nGroup))
    {
        pGroup->ForEachItem(nID,
                            [&](CSideBarItem& item)
                            {
                                item.SetText(strText);
                                RefreshItem(item);
                            });
    }
}

void CSideBar::SetItemColor(int nGroup, UINT nID, COLORREF crText)
{
    if (const CSideBarGroup* pGroup = GetGroup(nGroup))
    {
        pGroup->ForEachItem(nID,
                            [&](CSideBarItem& item)
                            {
                                item.SetColor(crText);
                                RefreshItem(item);
                            });
    }
}

void CSideBar::ResetItemColor(int nGroup, UINT nID)
{
    if (const CSideBarGroup* pGroup = GetGroup(nGroup))
    {
        pGroup->ForEachItem(nID,
                            [&](CSideBarItem& item)
                            {
                                item.ResetColor();
                                RefreshItem(item);
                            });
    }
}

void CSideBar::SetDrawStyle(InterfaceLook look)
{
    if (look == m_drawStyle)
        return;
    m_drawStyle = look;
    Refresh();
}

void CSideBar::RefreshItem(CSideBarItem& item)
{
    if (item.DrawsItself() || m_hWnd == nullptr)
        return;
    // The text's width moves the link's clickable end; the rows stay where they are. The row is
    // measured with the others that changed, at the next paint or hit test.
    if (m_bLaidOut && std::find(m_pendingItems.begin(), m_pendingItems.end(), &item) == m_pendingItems.end())
        m_pendingItems.push_back(&item);
    RECT rc = item.GetRowRect();
    ::OffsetRect(&rc, 0, -GetScrollPosition());
    ::InvalidateRect(m_hWnd, &rc, TRUE);
}

void CSideBar::Refresh()
{
    m_bLaidOut = false;
    m_pendingItems.clear();
    if (m_hWnd != nullptr)
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

bool CSideBar::HasScrollBar() const
{
    return (::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_VSCROLL) != 0;
}

int CSideBar::GetScrollPosition() const
{
    return m_hWnd != nullptr && HasScrollBar() ? ::GetScrollPos(m_hWnd, SB_VERT) : 0;
}

void CSideBar::UpdateScrollBar(int nContentHeight)
{
    RECT rcWindow{};
    ::GetWindowRect(m_hWnd, &rcWindow);
    const int nView = rcWindow.bottom - rcWindow.top;
    const bool bNeeded = nView < nContentHeight;
    if (bNeeded != HasScrollBar())
    {
        ::ShowScrollBar(m_hWnd, SB_VERT, bNeeded);
        Refresh();
    }
    if (!bNeeded)
        return;
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE;
    // Setting the same range again still redraws the scroll bar.
    if (::GetScrollInfo(m_hWnd, SB_VERT, &si) && si.nMin == 0 && si.nMax == nContentHeight &&
        si.nPage == static_cast<UINT>(nView))
        return;
    si.nMin = 0;
    si.nMax = nContentHeight;
    si.nPage = static_cast<UINT>(nView);
    ::SetScrollInfo(m_hWnd, SB_VERT, &si, TRUE);
}

int CSideBar::GetScrollLimit() const
{
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE;
    if (!::GetScrollInfo(m_hWnd, SB_VERT, &si))
        return 0;
    return si.nMax - std::max(static_cast<int>(si.nPage) - 1, 0);
}

BOOL CSideBar::OnEraseBkgnd(HDC)
{
    return TRUE;
}

BOOL CSideBar::OnSetCursor(HWND hWnd, UINT nHitTest, UINT)
{
    // An edit row asks its parent first; the link last hot (the side bar sees no moves over
    // the edit) must not put the hand over the edit's own cursor.
    if (hWnd == m_hWnd && nHitTest == HTCLIENT && (m_pHotGroup != nullptr || m_pHotItem != nullptr))
    {
        ::SetCursor(m_hHandCursor);
        return TRUE;
    }
    DeclineMessage();
    return FALSE;
}

// The edit rows' notifications are the owner's business: their parent only hosts them.
LRESULT CSideBar::OnCommand(UINT id, UINT code, HWND hControl)
{
    if (hControl == nullptr)
    {
        DeclineMessage();
        return 0;
    }
    return ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(id, code),
                          reinterpret_cast<LPARAM>(hControl));
}

void CSideBar::HitTest(POINT pt, CSideBarGroup*& pHitGroup, CSideBarItem*& pHitItem)
{
    EnsureLayout();
    pt.y += GetScrollPosition();
    pHitGroup = nullptr;
    pHitItem = nullptr;
    for (const std::unique_ptr<CSideBarGroup>& pGroup : m_groups)
    {
        if (pGroup->HitTestTitle(pt))
        {
            pHitGroup = pGroup.get();
            return;
        }
        pHitItem = pGroup->HitTestItem(pt);
        if (pHitItem != nullptr)
            return;
    }
}

void CSideBar::OnMouseMove(UINT, POINT pt)
{
    CSideBarGroup* pHitGroup = nullptr;
    CSideBarItem* pHitItem = nullptr;
    HitTest(pt, pHitGroup, pHitItem);
    // A change of hot group takes this whole move; the hot item follows at the next one.
    if (pHitGroup != m_pHotGroup)
    {
        MoveHotMark(m_pHotGroup, pHitGroup);
        Refresh();
    }
    else if (pHitItem != m_pHotItem)
    {
        MoveHotMark(m_pHotItem, pHitItem);
        Refresh();
    }
}

void CSideBar::OnLButtonDown(UINT, POINT)
{
    if (m_pHotGroup != nullptr)
    {
        m_pHotGroup->ToggleExpanded();
        Refresh();
    }
}

void CSideBar::OnLButtonUp(UINT, POINT pt)
{
    // The release alone decides: where the button went down does not matter. The hot link can
    // lag one move behind the pointer (from a link straight onto a title bar), so it must
    // still be under the pointer: a click on a title never runs the link just left.
    CSideBarGroup* pHitGroup = nullptr;
    CSideBarItem* pHitItem = nullptr;
    HitTest(pt, pHitGroup, pHitItem);
    if (m_pHotItem != nullptr && pHitItem == m_pHotItem)
        ::PostMessageA(::GetAncestor(m_hWnd, GA_ROOT), WM_COMMAND, m_pHotItem->GetID(), 0);
}

void CSideBar::OnVScroll(UINT nCode, UINT nThumbPos, HWND)
{
    const int nCurrent = GetScrollPosition();
    int nPos = static_cast<int>(nThumbPos);
    switch (nCode)
    {
    case SB_LINEUP:
        nPos = nCurrent - 1;
        break;
    case SB_LINEDOWN:
        nPos = nCurrent + 1;
        break;
    case SB_PAGEUP:
        nPos = nCurrent - GetSideBarRowHeight();
        break;
    case SB_PAGEDOWN:
        nPos = nCurrent + GetSideBarRowHeight();
        break;
    case SB_TOP:
        nPos = 0;
        break;
    case SB_BOTTOM:
        nPos = GetScrollLimit();
        break;
    case SB_ENDSCROLL:
        return;
    default:
        break;
    }
    Refresh();
    // The system clamps the position to the range.
    ::SetScrollPos(m_hWnd, SB_VERT, nPos, TRUE);
}

void CSideBar::OnThemeChanged()
{
    Refresh();
}

void CSideBar::OnSize()
{
    Refresh();
}
