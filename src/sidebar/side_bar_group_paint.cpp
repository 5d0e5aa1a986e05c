// Painting of one side bar group in the themed, classic and drawn looks, where its layout placed
// the title bar, the chevron and the rows.
#include "sidebar/side_bar.h"
#include "sidebar/side_bar_paint.h"

#include "framework/scopes.h"
#include "framework/theme_library.h"
#include "framework/wide_text.h"

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
} // namespace

void CSideBarGroup::Draw(HDC hDC, HTHEME hTheme, const RECT& rcUpdate) const
{
    switch (m_look)
    {
    case ESideBarLook::Themed:
        DrawThemed(hDC, hTheme, rcUpdate);
        break;
    case ESideBarLook::Classic:
        DrawClassic(hDC, rcUpdate);
        break;
    case ESideBarLook::Plain:
        DrawPlain(hDC, rcUpdate);
        break;
    }
}

void CSideBarGroup::DrawThemed(HDC hDC, HTHEME hTheme, const RECT& rcUpdate) const
{
    GetThemeLibrary().DrawThemeBackground(hTheme, hDC, EBP_NORMALGROUPHEAD, 0, &m_rcTitle, nullptr);
    RECT rcContent = m_rcTitle;
    GetThemeLibrary().GetThemeBackgroundContentRect(hTheme, hDC, EBP_NORMALGROUPHEAD, 0, &m_rcTitle,
                                                    &rcContent);
    if (std::optional<std::wstring> strTitle = WidenText(m_strTitle))
        GetThemeLibrary().DrawThemeText(hTheme, hDC, EBP_NORMALGROUPHEAD, 0, strTitle->c_str(), -1,
                                        kSideBarTextFlags, 0, &rcContent);
    GetThemeLibrary().DrawThemeBackground(hTheme, hDC,
                                          m_bCollapsed ? EBP_NORMALGROUPEXPAND : EBP_NORMALGROUPCOLLAPSE,
                                          m_bHot ? EBNGC_HOT : EBNGC_NORMAL, &m_rcChevron, nullptr);
    if (!m_bCollapsed)
    {
        const RECT rcBody{m_rcGroup.left, m_rcTitle.bottom - 1, m_rcGroup.right, m_rcGroup.bottom};
        GetThemeLibrary().DrawThemeBackground(hTheme, hDC, EBP_NORMALGROUPBACKGROUND, 0, &rcBody, nullptr);
    }
    CPenHandle underline = MakeSolidPen(::GetSysColor(COLOR_HIGHLIGHTTEXT));
    CSelectObject selectPen(hDC, underline.get());
    DrawRows(hDC, hTheme, rcUpdate);
}

void CSideBarGroup::DrawClassic(HDC hDC, const RECT& rcUpdate) const
{
    const COLORREF crFace = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF crInk = ::GetSysColor(COLOR_BTNTEXT);
    CPenHandle facePen = MakeSolidPen(crFace);
    CPenHandle inkPen = MakeSolidPen(crInk);
    CBrushHandle bodyBrush = MakeSolidBrush(::GetSysColor(COLOR_WINDOW));
    CFontHandle boldFont = CreateSideBarBoldFont();
    CSelectObject selectFont(hDC, boldFont.get());

    ::SetTextColor(hDC, crInk);
    ::SetBkColor(hDC, crFace);
    FillSolidRect(hDC, m_rcTitle, crFace);
    RECT rcText{m_rcTitle.left + 5, m_rcTitle.top, m_rcTitle.right - 5, m_rcTitle.bottom};
    ::DrawTextA(hDC, m_strTitle.c_str(), -1, &rcText, kSideBarTextFlags);

    if (m_bHot)
        Draw3dRect(hDC, m_rcChevron, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    {
        CSelectObject selectPen(hDC, inkPen.get());
        DrawChevron(hDC, m_rcChevron, m_bCollapsed);
    }
    {
        // A collapsed group's body shrinks to one line along the title bar's bottom edge.
        CSelectObject selectPen(hDC, facePen.get());
        CSelectObject selectBrush(hDC, bodyBrush.get());
        ::Rectangle(hDC, m_rcGroup.left, m_rcTitle.bottom - 1, m_rcGroup.right, m_rcGroup.bottom);
    }
    CSelectObject selectPen(hDC, inkPen.get());
    DrawRows(hDC, nullptr, rcUpdate);
}

void CSideBarGroup::DrawPlain(HDC hDC, const RECT& rcUpdate) const
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

    const int l = m_rcGroup.left;
    const int t = m_rcGroup.top;
    const int r = m_rcGroup.right;
    const int b = m_rcTitle.bottom;
    {
        // The band's two top corners are quarter discs of radius 5.
        CSelectObject selectPen(hDC, pen1.get());
        CSelectObject selectBrush(hDC, brush1.get());
        ::Pie(hDC, l, t, l + kCornerDiameter, t + kCornerDiameter, l + kCornerRadius, t, l,
              t + kCornerRadius);
        ::Pie(hDC, r - kCornerDiameter, t, r, t + kCornerDiameter, r, t + kCornerRadius, r - kCornerRadius,
              t);
    }
    FillSolidRect(hDC, RECT{l + kCornerRadius, t, r - kCornerRadius, b}, c1);
    FillSolidRect(hDC, RECT{l, t + kCornerRadius, l + kCornerRadius, b}, c1);
    FillSolidRect(hDC, RECT{r - kCornerRadius, t + kCornerRadius, r, b}, c1);

    ::SetTextColor(hDC, m_bHot ? c3 : c2);
    ::SetBkColor(hDC, c1);
    RECT rcText{l + 15, t, r - 5, b};
    ::DrawTextA(hDC, m_strTitle.c_str(), -1, &rcText, kSideBarTextFlags);
    {
        CSelectObject selectPen(hDC, pen3.get());
        CSelectObject selectBrush(hDC, ::GetStockObject(NULL_BRUSH));
        ::Ellipse(hDC, m_rcChevron.left, m_rcChevron.top, m_rcChevron.right, m_rcChevron.bottom);
    }
    {
        CSelectObject selectPen(hDC, m_bHot ? pen3.get() : pen2.get());
        DrawChevron(hDC, m_rcChevron, m_bCollapsed);
    }
    CSelectObject selectPen(hDC, pen1.get());
    {
        CSelectObject selectBrush(hDC, brush3.get());
        ::Rectangle(hDC, l, b - 1, r, m_rcGroup.bottom);
    }
    DrawRows(hDC, nullptr, rcUpdate);
}

// A collapsed group's rows were hidden by its layout and draw nothing; a row outside the area
// being painted would only be clipped away.
void CSideBarGroup::DrawRows(HDC hDC, HTHEME hTheme, const RECT& rcUpdate) const
{
    if (m_bCollapsed)
        return;
    for (const std::unique_ptr<CSideBarItem>& pItem : m_items)
    {
        RECT rcMeet{};
        if (::IntersectRect(&rcMeet, &pItem->GetRowRect(), &rcUpdate))
            pItem->Draw(hDC, hTheme);
    }
}
