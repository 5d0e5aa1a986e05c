// The side bar's layout: where each group, title bar, chevron and row stands and where each
// link's text lands, in content coordinates, worked out before painting and hit testing need it.
#include "sidebar/side_bar.h"
#include "sidebar/side_bar_paint.h"

#include "framework/scopes.h"
#include "framework/theme_library.h"
#include "framework/wide_text.h"

#include <vsstyle.h>

#include <algorithm>

namespace
{
constexpr int kMargin = 10;
constexpr int kTextIndent = 10;
} // namespace

RECT CSideBar::ContentArea() const
{
    RECT rcWindow{};
    ::GetWindowRect(m_hWnd, &rcWindow);
    RECT rcArea{0, 0, rcWindow.right - rcWindow.left, rcWindow.bottom - rcWindow.top};
    if (HasScrollBar())
        rcArea.right -= ::GetSystemMetrics(SM_CXHTHUMB);
    rcArea.bottom += GetScrollPosition();
    return rcArea;
}

void CSideBar::EnsureLayout()
{
    if (m_hWnd == nullptr)
        return;
    if (!m_bLaidOut)
        Layout();
    else if (!m_pendingItems.empty())
        LayoutPendingItems();
}

CThemeHandle CSideBar::OpenTheme() const
{
    if (m_drawStyle != InterfaceLook::Classic && GetThemeLibrary().IsAppThemed())
        return CThemeHandle(GetThemeLibrary().OpenThemeData(m_hWnd, L"EXPLORERBAR"));
    return CThemeHandle();
}

void CSideBar::LayoutPendingItems()
{
    CClientDC dc(m_hWnd);
    const CThemeHandle theme = OpenTheme();
    const int nPos = GetScrollPosition();
    for (CSideBarItem* pItem : m_pendingItems)
        pItem->Layout(dc.get(), pItem->GetRowRect(), pItem->IsThemed(), theme.get(), nPos);
    m_pendingItems.clear();
}

void CSideBar::Layout()
{
    const RECT rcArea = ContentArea();
    const int nPos = GetScrollPosition();
    // Text is measured as the paint will draw it: on a context of the screen.
    CClientDC dc(m_hWnd);
    const CThemeHandle theme = OpenTheme();
    int nBottom = 0;
    int nTop = kMargin;
    for (const std::unique_ptr<CSideBarGroup>& pGroup : m_groups)
    {
        nBottom =
            pGroup->Layout(dc.get(), kMargin, nTop, rcArea.right - kMargin, m_drawStyle, theme.get(), nPos);
        nTop = nBottom + kMargin;
    }
    // Showing or hiding the scroll bar changes the width: that asks for another layout.
    m_bLaidOut = true;
    m_pendingItems.clear();
    UpdateScrollBar(nBottom + kMargin);
}

int CSideBarGroup::Layout(HDC hDC, int nLeft, int nTop, int nRight, InterfaceLook drawStyle, HTHEME hTheme,
                          int nScrollPos)
{
    if (drawStyle == InterfaceLook::Classic)
        m_look = ESideBarLook::Classic;
    else if (hTheme != nullptr && GetThemeLibrary().IsAppThemed())
        m_look = ESideBarLook::Themed;
    else
        m_look = ESideBarLook::Plain;

    // Title bars grow by 9/8 only where the visual styles draw them; rows always do.
    const int nCaption = ::GetSystemMetrics(SM_CYCAPTION);
    const int nTitle = GetSideBarTitleHeight(drawStyle);
    const int nRow = GetSideBarRowHeight();
    m_rcGroup = RECT{nLeft, nTop, nRight, nTop + nTitle + (m_bCollapsed ? 0 : GetItemCount() * nRow)};

    RECT rcColumn{nLeft + 1, nTop + nTitle, nRight - 1, 0};
    HTHEME hRowTheme = nullptr;
    switch (m_look)
    {
    case ESideBarLook::Themed:
    {
        const int nChevron = nCaption - 4;
        m_rcTitle = RECT{nLeft, nTop, nRight, nTop + ::MulDiv(nCaption, 9, 8)};
        m_rcChevron = RECT{nRight - nChevron - 5, nTop + 2, nRight - 5, nTop + 2 + nChevron};
        rcColumn = m_rcTitle;
        GetThemeLibrary().GetThemeBackgroundContentRect(hTheme, hDC, EBP_NORMALGROUPBACKGROUND, 0, &m_rcTitle,
                                                        &rcColumn);
        rcColumn.top = m_rcTitle.bottom;
        hRowTheme = hTheme;
        break;
    }
    case ESideBarLook::Classic:
        m_rcTitle = RECT{nLeft, nTop, nRight, nTop + nTitle};
        m_rcChevron = RECT{nRight - (nTitle - 4) - 5, nTop + 2, nRight - 5, m_rcTitle.bottom - 2};
        break;
    case ESideBarLook::Plain:
        m_rcTitle = RECT{nLeft, nTop, nRight, nTop + nTitle};
        m_rcChevron = RECT{nRight - (nTitle - 8) - 5, nTop + 4, nRight - 5, m_rcTitle.bottom - 4};
        break;
    }
    // The clickable part of a title bar: from the group's left edge to the chevron's right edge.
    m_rcTitleHit = RECT{nLeft, m_rcChevron.top, m_rcChevron.right, m_rcChevron.bottom};

    const bool bThemedRows = hRowTheme != nullptr && drawStyle == InterfaceLook::VisualStyles;
    int y = rcColumn.top;
    for (const std::unique_ptr<CSideBarItem>& pItem : m_items)
    {
        if (m_bCollapsed)
            pItem->HideItem();
        else
            pItem->Layout(hDC, RECT{rcColumn.left, y, rcColumn.right, y + nRow}, bThemedRows, hRowTheme,
                          nScrollPos);
        y += nRow;
    }
    return m_rcGroup.bottom;
}

RECT CSideBarItem::PlainTextRect() const
{
    return RECT{m_rcRow.left + kTextIndent, m_rcRow.top, m_rcRow.right - kTextIndent, m_rcRow.bottom};
}

void CSideBarItem::Layout(HDC hDC, const RECT& rcRow, bool bThemed, HTHEME hTheme, int)
{
    m_rcRow = rcRow;
    m_bThemed = bThemed && GetThemeLibrary().IsAppThemed();
    if (m_bThemed)
    {
        m_rcHit = rcRow;
        if (std::optional<std::wstring> strText = WidenText(m_strText))
            GetThemeLibrary().GetThemeTextExtent(hTheme, hDC, EBP_NORMALGROUPBACKGROUND, 0, strText->c_str(),
                                                 -1, kSideBarTextFlags, &rcRow, &m_rcHit);
        return;
    }
    const RECT rcText = PlainTextRect();
    CSelectObject selectFont(hDC, ::GetStockObject(ANSI_VAR_FONT));
    RECT rcMeasure = rcText;
    ::DrawTextA(hDC, m_strText.c_str(), -1, &rcMeasure, kSideBarTextFlags | DT_CALCRECT);
    const int nTextHeight = rcMeasure.bottom - rcMeasure.top;
    const int nTextWidth = rcMeasure.right - rcMeasure.left;
    // Where DT_VCENTER puts the text; a text cut by the ellipsis is clickable only where it shows.
    m_rcHit.left = rcText.left;
    m_rcHit.top = rcText.top;
    m_rcHit.right = std::min(rcText.left + nTextWidth, rcText.right);
    m_rcHit.bottom = rcText.top + (rcText.bottom - rcText.top - nTextHeight) / 2 + nTextHeight;
}

void CSideBarEditItem::Layout(HDC, const RECT& rcRow, bool, HTHEME, int nScrollPos)
{
    m_rcRow = rcRow;
    ::SetWindowPos(m_edit.GetSafeHwnd(), nullptr, rcRow.left, rcRow.top - nScrollPos,
                   rcRow.right - rcRow.left, rcRow.bottom - rcRow.top - 2, SWP_NOZORDER | SWP_NOACTIVATE);
    ::ShowWindow(m_edit.GetSafeHwnd(), SW_SHOW);
}
