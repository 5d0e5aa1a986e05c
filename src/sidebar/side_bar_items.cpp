// The side bar's groups and rows: heights, open state, hit testing and the edit rows' windows.
#include "sidebar/side_bar_items.h"

#include "framework/theme_library.h"
#include "sidebar/side_bar.h"

namespace
{
constexpr WPARAM kEditRowTextLimit = 64;
} // namespace

int GetSideBarTitleHeight(InterfaceLook drawStyle)
{
    int nHeight = ::GetSystemMetrics(SM_CYCAPTION);
    if (drawStyle == InterfaceLook::VisualStyles && GetThemeLibrary().IsAppThemed())
        nHeight = ::MulDiv(nHeight, 9, 8);
    return nHeight;
}

int GetSideBarRowHeight()
{
    return ::MulDiv(::GetSystemMetrics(SM_CYMENU), 9, 8);
}

CSideBarItem::CSideBarItem(const std::string& strText, UINT nID) : m_strText(strText), m_nID(nID) {}

void CSideBarItem::SetColor(COLORREF crText)
{
    m_crText = crText;
    m_bCustomColor = TRUE;
}

CSideBarEditItem::CSideBarEditItem(const std::string& strText, UINT nID, CSideBar& owner)
    : CSideBarItem(strText, nID)
{
    // No edit styles: without ES_AUTOHSCROLL the box takes no more text than its width shows.
    m_edit.CreateEx(WS_EX_CLIENTEDGE | WS_EX_NOPARENTNOTIFY, "EDIT", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                    owner.GetSafeHwnd(), nID);
    // The edit trims a text too wide for it one character at a time, which takes minutes for a
    // long paste: the limit cuts it at once, far above any number the rows hold.
    ::SendMessageA(m_edit.GetSafeHwnd(), EM_LIMITTEXT, kEditRowTextLimit, 0);
    SetText(strText);
}

std::string CSideBarEditItem::GetText() const
{
    return m_edit.GetWindowText();
}

void CSideBarEditItem::SetText(const std::string& strText)
{
    ::SetWindowTextA(m_edit.GetSafeHwnd(), strText.c_str());
}

void CSideBarEditItem::HideItem()
{
    ::ShowWindow(m_edit.GetSafeHwnd(), SW_HIDE);
    m_bShown = false;
}

CSideBarGroup::CSideBarGroup(const std::string& strTitle) : m_strTitle(strTitle) {}

int CSideBarGroup::AddItem(std::unique_ptr<CSideBarItem> pItem)
{
    m_items.push_back(std::move(pItem));
    return GetItemCount() - 1;
}

BOOL CSideBarGroup::SetExpanded(BOOL bOpen)
{
    const BOOL bCollapsed = bOpen ? FALSE : TRUE;
    if (bCollapsed == m_bCollapsed)
        return FALSE;
    m_bCollapsed = bCollapsed;
    return TRUE;
}

void CSideBarGroup::ToggleExpanded()
{
    m_bCollapsed = m_bCollapsed ? FALSE : TRUE;
}

BOOL CSideBarGroup::HitTestTitle(POINT pt) const
{
    return ::PtInRect(&m_rcTitleHit, pt);
}

CSideBarItem* CSideBarGroup::HitTestItem(POINT pt) const
{
    if (m_bCollapsed)
        return nullptr;
    for (const std::unique_ptr<CSideBarItem>& pItem : m_items)
    {
        if (::PtInRect(&pItem->GetHitRect(), pt))
            return pItem.get();
    }
    return nullptr;
}

CSideBarItem* CSideBarGroup::GetItem(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        return nullptr;
    return m_items[static_cast<size_t>(nIndex)].get();
}
