// Painting of one link row: its text, its colour while hot or marked, its underline, and the
// rectangle that makes it clickable.
#include "sidebar/side_bar.h"
#include "sidebar/side_bar_paint.h"

#include "framework/scopes.h"
#include "framework/theme_library.h"

#include <vsstyle.h>

#include <algorithm>

namespace
{
constexpr int kTextIndent = 10;
constexpr double kIdleFraction = 0.15;
// DrawThemeText's second flags: the theme draws the text in its own colour.
constexpr DWORD kThemeTextFlags2 = 1;
} // namespace

void CSideBarItem::Draw(HDC hDC, const RECT& rcRow, int nDrawStyle, HTHEME hTheme)
{
    if (nDrawStyle == SIDEBAR_STYLE_XP && hTheme != nullptr && GetThemeLibrary().IsAppThemed())
        DrawThemed(hDC, rcRow, hTheme);
    else
        DrawPlain(hDC, rcRow);
}

void CSideBarItem::DrawThemed(HDC hDC, const RECT& rcRow, HTHEME hTheme)
{
    // The theme chooses the colour: a marked row looks like any other in this look.
    m_rcHit = rcRow;
    if (std::optional<std::wstring> strText = ToThemeText(m_strText))
    {
        GetThemeLibrary().DrawThemeText(hTheme, hDC, EBP_NORMALGROUPBACKGROUND, 0, strText->c_str(), -1,
                                        kSideBarTextFlags, kThemeTextFlags2, &rcRow);
        GetThemeLibrary().GetThemeTextExtent(hTheme, hDC, EBP_NORMALGROUPBACKGROUND, 0, strText->c_str(), -1,
                                             kSideBarTextFlags, &rcRow, &m_rcHit);
    }
    DrawUnderline(hDC);
}

void CSideBarItem::DrawPlain(HDC hDC, const RECT& rcRow)
{
    RECT rcText{rcRow.left + kTextIndent, rcRow.top, rcRow.right - kTextIndent, rcRow.bottom};
    const COLORREF crBase = m_bCustomColor ? m_crText : ::GetSysColor(COLOR_HIGHLIGHT);
    CSelectObject selectFont(hDC, ::GetStockObject(ANSI_VAR_FONT));
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, m_bHot ? crBase : LightenColor(crBase, kIdleFraction));
    ::DrawTextA(hDC, m_strText.c_str(), -1, &rcText, kSideBarTextFlags);

    RECT rcMeasure = rcText;
    ::DrawTextA(hDC, m_strText.c_str(), -1, &rcMeasure, kSideBarTextFlags | DT_CALCRECT);
    const int nTextHeight = rcMeasure.bottom - rcMeasure.top;
    const int nTextWidth = rcMeasure.right - rcMeasure.left;
    // Where DT_VCENTER put the text; a text cut by the ellipsis is clickable only where it shows.
    m_rcHit.left = rcText.left;
    m_rcHit.top = rcText.top;
    m_rcHit.right = std::min(rcText.left + nTextWidth, rcText.right);
    m_rcHit.bottom = rcText.top + (rcText.bottom - rcText.top - nTextHeight) / 2 + nTextHeight;
    DrawUnderline(hDC);
}

void CSideBarItem::DrawUnderline(HDC hDC) const
{
    if (!m_bHot)
        return;
    // With the pen the group selected; LineTo leaves out the end point.
    ::MoveToEx(hDC, m_rcHit.left, m_rcHit.bottom, nullptr);
    ::LineTo(hDC, m_rcHit.right, m_rcHit.bottom);
}
