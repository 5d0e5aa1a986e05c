// Painting of one link row where its layout placed it: its text, its colour while hot or marked,
// and its underline.
#include "sidebar/side_bar.h"
#include "sidebar/side_bar_paint.h"

#include "framework/scopes.h"
#include "framework/theme_library.h"
#include "framework/wide_text.h"

#include <vsstyle.h>

namespace
{
constexpr double kIdleFraction = 0.15;
// DrawThemeText's second flags: the theme draws the text in its own colour.
constexpr DWORD kThemeTextFlags2 = 1;
} // namespace

void CSideBarItem::Draw(HDC hDC, HTHEME hTheme) const
{
    if (m_bThemed && hTheme != nullptr)
        DrawThemed(hDC, hTheme);
    else
        DrawPlain(hDC);
}

void CSideBarItem::DrawThemed(HDC hDC, HTHEME hTheme) const
{
    // The theme chooses the colour: a marked row looks like any other in this look.
    if (std::optional<std::wstring> strText = WidenText(m_strText))
        GetThemeLibrary().DrawThemeText(hTheme, hDC, EBP_NORMALGROUPBACKGROUND, 0, strText->c_str(), -1,
                                        kSideBarTextFlags, kThemeTextFlags2, &m_rcRow);
    DrawUnderline(hDC);
}

void CSideBarItem::DrawPlain(HDC hDC) const
{
    RECT rcText = PlainTextRect();
    const COLORREF crBase = m_bCustomColor ? m_crText : ::GetSysColor(COLOR_HIGHLIGHT);
    CSelectObject selectFont(hDC, ::GetStockObject(ANSI_VAR_FONT));
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, m_bHot ? crBase : LightenColor(crBase, kIdleFraction));
    ::DrawTextA(hDC, m_strText.c_str(), -1, &rcText, kSideBarTextFlags);
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
