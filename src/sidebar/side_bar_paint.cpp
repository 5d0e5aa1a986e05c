// Side bar painting: the whole window off screen in one copy, background and group stacking.
#include "sidebar/side_bar.h"
#include "sidebar/side_bar_paint.h"

#include "framework/offscreen_dc.h"
#include "framework/scopes.h"
#include "framework/theme_library.h"

#include <vsstyle.h>

namespace
{
constexpr double kBackgroundFraction = 0.4;
} // namespace

CFontHandle CreateSideBarBoldFont()
{
    LOGFONTA lf{};
    ::GetObjectA(::GetStockObject(ANSI_VAR_FONT), sizeof(lf), &lf);
    lf.lfWeight = FW_BOLD;
    return CFontHandle(::CreateFontIndirectA(&lf));
}

void DrawChevron(HDC hDC, const RECT& rcBox, BOOL bCollapsed)
{
    const int cx = (rcBox.left + rcBox.right) / 2;
    const int cy = (rcBox.top + rcBox.bottom) / 2;
    const int d = bCollapsed ? -4 : 4;
    const int e = bCollapsed ? 3 : -3;
    for (int y : {cy, cy + e})
    {
        for (int dx : {-4, 4})
        {
            ::MoveToEx(hDC, cx, y, nullptr);
            ::LineTo(hDC, cx + dx, y + d);
        }
    }
}

void CSideBar::OnPaint()
{
    CPaintDC dc(m_hWnd);
    EnsureLayout();
    // Content coordinates from the top of the content to the bottom of what shows.
    const RECT rcArea = ContentArea();
    const int nPos = GetScrollPosition();

    // Content y = nPos lands on client y = 0, and the buffer covers what is being painted.
    ::SetWindowOrgEx(dc.get(), 0, nPos, nullptr);
    const COffscreenDC buffer(dc.get());
    RECT rcUpdate = dc.ps().rcPaint;
    ::OffsetRect(&rcUpdate, 0, nPos);
    DrawContent(buffer.get(), rcArea, rcUpdate);
}

void CSideBar::DrawContent(HDC hDC, const RECT& rcArea, const RECT& rcUpdate) const
{
    // Without the theme's data the background keeps the paint context's colour and the groups,
    // given no theme, draw their own look.
    const CThemeHandle theme = OpenTheme();
    if (m_drawStyle == InterfaceLook::Classic)
        FillSolidRect(hDC, rcArea, ::GetSysColor(COLOR_WINDOW));
    else if (theme)
        GetThemeLibrary().DrawThemeBackground(theme.get(), hDC, EBP_HEADERBACKGROUND, 0, &rcArea, nullptr);
    else if (!GetThemeLibrary().IsAppThemed())
        FillSolidRect(hDC, rcArea, LightenColor(::GetSysColor(COLOR_HIGHLIGHT), kBackgroundFraction));
    // Only what is being painted reaches the screen.
    for (const std::unique_ptr<CSideBarGroup>& pGroup : m_groups)
    {
        RECT rcMeet{};
        if (::IntersectRect(&rcMeet, &pGroup->GetRect(), &rcUpdate))
            pGroup->Draw(hDC, theme.get(), rcUpdate);
    }
}
