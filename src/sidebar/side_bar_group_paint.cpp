// Painting of one side bar group in the themed, classic and drawn looks; it also records the
// title bar's hit rectangle and lays out the rows.
#include "sidebar/side_bar.h"
#include "sidebar/side_bar_paint.h"

#include "framework/scopes.h"
#include "framework/theme_library.h"

#include <vsstyle.h>

namespace
{
constexpr int kCornerDiameter = 10;
constexpr int kCornerRadius = kCornerDiameter / 2;
constexpr double kBodyFraction = 0.85;

CPenHandle MakeSolidPen(COLORREF crColor)
{
    return CPenHandle(::CreatePen(PS_SOLID, 1, crColor));
}

CBrushHandle MakeSolidBrush(COLORREF crColor)
{
    return CBrushHandle(::CreateSolidBrush(crColor));
}

// A raised button's frame: light at the top and left, shadow at the bottom and right.
void Draw3dRect(HDC hDC, const RECT& rc, COLORREF crTopLeft, COLORREF crBottomRight)
{
    FillSolidRect(hDC, RECT{rc.left, rc.top, rc.right - 1, rc.top + 1}, crTopLeft);
    FillSolidRect(hDC, RECT{rc.left, rc.top, rc.left + 1, rc.bottom - 1}, crTopLeft);
    FillSolidRect(hDC, RECT{rc.right - 1, rc.top, rc.right, rc.bottom}, crBottomRight);
    FillSolidRect(hDC, RECT{rc.left, rc.bottom - 1, rc.right, rc.bottom}, crBottomRight);
}

// The clickable part of a title bar: from the group's left edge to the chevron's right edge.
RECT TitleHitRect(const RECT& rcChevron, int nLeft)
{
    return RECT{nLeft, rcChevron.top, rcChevron.right, rcChevron.bottom};
}
} // namespace

void CSideBarGroup::Draw(HDC hDC, const RECT& rcGroup, HTHEME hTheme)
{
    if (m_nDrawStyle == SIDEBAR_STYLE_CLASSIC)
        DrawClassic(hDC, rcGroup);
    else if (hTheme != nullptr && GetThemeLibrary().IsAppThemed())
        DrawThemed(hDC, rcGroup, hTheme);
    else
        DrawPlain(hDC, rcGroup);
}

void CSideBarGroup::DrawThemed(HDC hDC, const RECT& rcGroup, HTHEME hTheme)
{
    const int nCaption = ::GetSystemMetrics(SM_CYCAPTION);
    const RECT rcTitle{rcGroup.left, rcGroup.top, rcGroup.right, rcGroup.top + ::MulDiv(nCaption, 9, 8)};
    GetThemeLibrary().DrawThemeBackground(hTheme, hDC, EBP_NORMALGROUPHEAD, 0, &rcTitle, nullptr);
    RECT rcContent = rcTitle;
    GetThemeLibrary().GetThemeBackgroundContentRect(hTheme, hDC, EBP_NORMALGROUPHEAD, 0, &rcTitle,
                                                    &rcContent);
    if (std::optional<std::wstring> strTitle = ToThemeText(m_strTitle))
        GetThemeLibrary().DrawThemeText(hTheme, hDC, EBP_NORMALGROUPHEAD, 0, strTitle->c_str(), -1,
                                        kSideBarTextFlags, 0, &rcContent);

    const int nChevron = nCaption - 4;
    const RECT rcChevron{rcGroup.right - nChevron - 5, rcGroup.top + 2, rcGroup.right - 5,
                         rcGroup.top + 2 + nChevron};
    GetThemeLibrary().DrawThemeBackground(hTheme, hDC,
                                          m_bCollapsed ? EBP_NORMALGROUPEXPAND : EBP_NORMALGROUPCOLLAPSE,
                                          m_bHot ? EBNGC_HOT : EBNGC_NORMAL, &rcChevron, nullptr);
    m_rcTitleHit = TitleHitRect(rcChevron, rcGroup.left);

    if (!m_bCollapsed)
    {
        const RECT rcBody{rcGroup.left, rcTitle.bottom - 1, rcGroup.right, rcGroup.bottom};
        GetThemeLibrary().DrawThemeBackground(hTheme, hDC, EBP_NORMALGROUPBACKGROUND, 0, &rcBody, nullptr);
    }
    CPenHandle underline = MakeSolidPen(::GetSysColor(COLOR_HIGHLIGHTTEXT));
    CSelectObject selectPen(hDC, underline.get());
    RECT rcColumn = rcTitle;
    GetThemeLibrary().GetThemeBackgroundContentRect(hTheme, hDC, EBP_NORMALGROUPBACKGROUND, 0, &rcTitle,
                                                    &rcColumn);
    const int nRow = GetSideBarRowHeight();
    int y = rcTitle.bottom;
    for (const std::unique_ptr<CSideBarItem>& pItem : m_items)
    {
        DrawRow(hDC, *pItem, RECT{rcColumn.left, y, rcColumn.right, y + nRow}, hTheme);
        y += nRow;
    }
}

void CSideBarGroup::DrawClassic(HDC hDC, const RECT& rcGroup)
{
    const COLORREF crFace = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF crInk = ::GetSysColor(COLOR_BTNTEXT);
    CPenHandle facePen = MakeSolidPen(crFace);
    CPenHandle inkPen = MakeSolidPen(crInk);
    CBrushHandle bodyBrush = MakeSolidBrush(::GetSysColor(COLOR_WINDOW));
    CFontHandle boldFont = CreateSideBarBoldFont();
    CSelectObject selectFont(hDC, boldFont.get());

    const int nTitle = GetSideBarTitleHeight(m_nDrawStyle);
    const RECT rcTitle{rcGroup.left, rcGroup.top, rcGroup.right, rcGroup.top + nTitle};
    ::SetTextColor(hDC, crInk);
    ::SetBkColor(hDC, crFace);
    FillSolidRect(hDC, rcTitle, crFace);
    RECT rcText{rcTitle.left + 5, rcTitle.top, rcTitle.right - 5, rcTitle.bottom};
    ::DrawTextA(hDC, m_strTitle.c_str(), -1, &rcText, kSideBarTextFlags);

    const int nChevron = nTitle - 4;
    const RECT rcChevron{rcGroup.right - nChevron - 5, rcGroup.top + 2, rcGroup.right - 5,
                         rcTitle.bottom - 2};
    if (m_bHot)
        Draw3dRect(hDC, rcChevron, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    {
        CSelectObject selectPen(hDC, inkPen.get());
        DrawChevron(hDC, rcChevron, m_bCollapsed);
    }
    m_rcTitleHit = TitleHitRect(rcChevron, rcGroup.left);
    {
        // A collapsed group's body shrinks to one line along the title bar's bottom edge.
        CSelectObject selectPen(hDC, facePen.get());
        CSelectObject selectBrush(hDC, bodyBrush.get());
        ::Rectangle(hDC, rcGroup.left, rcTitle.bottom - 1, rcGroup.right, rcGroup.bottom);
    }
    CSelectObject selectPen(hDC, inkPen.get());
    DrawRows(hDC, rcGroup, nTitle);
}

void CSideBarGroup::DrawPlain(HDC hDC, const RECT& rcGroup)
{
    const COLORREF c1 = ::GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF c2 = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    const COLORREF c3 = LightenColor(c1, kBodyFraction);
    CPenHandle pen1 = MakeSolidPen(c1);
    CPenHandle pen2 = MakeSolidPen(c2);
    CPenHandle pen3 = MakeSolidPen(c3);
    CBrushHandle brush1 = MakeSolidBrush(c1);
    CBrushHandle brush3 = MakeSolidBrush(c3);
    CFontHandle boldFont = CreateSideBarBoldFont();
    CSelectObject selectFont(hDC, boldFont.get());

    const int nTitle = GetSideBarTitleHeight(m_nDrawStyle);
    const int l = rcGroup.left;
    const int t = rcGroup.top;
    const int r = rcGroup.right;
    const RECT rcTitle{l, t, r, t + nTitle};
    {
        // The band's two top corners are quarter discs of radius 5.
        CSelectObject selectPen(hDC, pen1.get());
        CSelectObject selectBrush(hDC, brush1.get());
        ::Pie(hDC, l, t, l + kCornerDiameter, t + kCornerDiameter, l + kCornerRadius, t, l,
              t + kCornerRadius);
        ::Pie(hDC, r - kCornerDiameter, t, r, t + kCornerDiameter, r, t + kCornerRadius, r - kCornerRadius,
              t);
    }
    FillSolidRect(hDC, RECT{l + kCornerRadius, t, r - kCornerRadius, rcTitle.bottom}, c1);
    FillSolidRect(hDC, RECT{l, t + kCornerRadius, l + kCornerRadius, rcTitle.bottom}, c1);
    FillSolidRect(hDC, RECT{r - kCornerRadius, t + kCornerRadius, r, rcTitle.bottom}, c1);

    ::SetTextColor(hDC, m_bHot ? c3 : c2);
    ::SetBkColor(hDC, c1);
    RECT rcText{l + 15, t, r - 5, rcTitle.bottom};
    ::DrawTextA(hDC, m_strTitle.c_str(), -1, &rcText, kSideBarTextFlags);

    const int nChevron = nTitle - 8;
    const RECT rcChevron{r - nChevron - 5, t + 4, r - 5, rcTitle.bottom - 4};
    {
        CSelectObject selectPen(hDC, pen3.get());
        CSelectObject selectBrush(hDC, ::GetStockObject(NULL_BRUSH));
        ::Ellipse(hDC, rcChevron.left, rcChevron.top, rcChevron.right, rcChevron.bottom);
    }
    {
        CSelectObject selectPen(hDC, m_bHot ? pen3.get() : pen2.get());
        DrawChevron(hDC, rcChevron, m_bCollapsed);
    }
    m_rcTitleHit = TitleHitRect(rcChevron, l);

    CSelectObject selectPen(hDC, pen1.get());
    {
        CSelectObject selectBrush(hDC, brush3.get());
        ::Rectangle(hDC, l, rcTitle.bottom - 1, r, rcGroup.bottom);
    }
    DrawRows(hDC, rcGroup, nTitle);
}

void CSideBarGroup::DrawRows(HDC hDC, const RECT& rcGroup, int nTitle)
{
    const int nRow = GetSideBarRowHeight();
    int y = rcGroup.top + nTitle;
    for (const std::unique_ptr<CSideBarItem>& pItem : m_items)
    {
        DrawRow(hDC, *pItem, RECT{rcGroup.left + 1, y, rcGroup.right - 1, y + nRow}, nullptr);
        y += nRow;
    }
}

void CSideBarGroup::DrawRow(HDC hDC, CSideBarItem& item, const RECT& rcRow, HTHEME hTheme)
{
    if (m_bCollapsed)
        item.HideItem();
    else
        item.Draw(hDC, rcRow, m_nDrawStyle, hTheme);
}
