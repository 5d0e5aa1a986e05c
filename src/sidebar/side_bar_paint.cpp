// Side bar painting: the whole window off screen in one copy, background and group stacking.
#include "sidebar/side_bar.h"
#include "sidebar/side_bar_paint.h"

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

std::optional<std::wstring> ToThemeText(const std::string& strText)
{
    const int nLength = ::MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, strText.c_str(), -1, nullptr, 0);
    if (nLength <= 0)
        return std::nullopt;
    std::wstring strWide(static_cast<size_t>(nLength), L'\0');
    if (::MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, strText.c_str(), -1, strWide.data(), nLength) !=
        nLength)
        return std::nullopt;
    strWide.resize(static_cast<size_t>(nLength - 1));
    return strWide;
}

void CSideBar::OnPaint()
{
    CPaintDC dc(m_hWnd);
    EnsureLayout();
    // Content coordinates from the top of the content to the bottom of what shows.
    const RECT rcArea = ContentArea();
    const int nPos = GetScrollPosition();

    CMemoryDCHandle memDC(::CreateCompatibleDC(dc.get()));
    CBitmapHandle bitmap(::CreateCompatibleBitmap(dc.get(), rcArea.right, rcArea.bottom));
    if (!memDC || !bitmap)
        return;
    CSelectObject selectBitmap(memDC.get(), bitmap.get());
    FillSolidRect(memDC.get(), rcArea, ::GetBkColor(dc.get()));

    const int nSaved = ::SaveDC(memDC.get());
    // Content y = nPos lands on client y = 0 when the image is copied.
    ::SetWindowOrgEx(dc.get(), 0, nPos, nullptr);
    RECT rcUpdate = dc.ps().rcPaint;
    ::OffsetRect(&rcUpdate, 0, nPos);
    DrawContent(memDC.get(), rcArea, rcUpdate);
    ::RestoreDC(memDC.get(), nSaved);
    ::BitBlt(dc.get(), 0, 0, rcArea.right, rcArea.bottom, memDC.get(), 0, 0, SRCCOPY);
}

void CSideBar::DrawContent(HDC hDC, const RECT& rcArea, const RECT& rcUpdate) const
{
    HTHEME hTheme = nullptr;
    if (m_nDrawStyle == SIDEBAR_STYLE_CLASSIC)
    {
        FillSolidRect(hDC, rcArea, ::GetSysColor(COLOR_WINDOW));
    }
    else if (GetThemeLibrary().IsAppThemed())
    {
        // Without the theme's data the background keeps the paint context's colour and the
        // groups, given no theme, draw their own look.
        hTheme = GetThemeLibrary().OpenThemeData(m_hWnd, L"EXPLORERBAR");
        if (hTheme != nullptr)
            GetThemeLibrary().DrawThemeBackground(hTheme, hDC, EBP_HEADERBACKGROUND, 0, &rcArea, nullptr);
    }
    else
    {
        FillSolidRect(hDC, rcArea, LightenColor(::GetSysColor(COLOR_HIGHLIGHT), kBackgroundFraction));
    }
    // Only what is being painted reaches the screen.
    for (const std::unique_ptr<CSideBarGroup>& pGroup : m_groups)
    {
        RECT rcMeet{};
        if (::IntersectRect(&rcMeet, &pGroup->GetRect(), &rcUpdate))
            pGroup->Draw(hDC, hTheme, rcUpdate);
    }
    if (hTheme != nullptr)
        GetThemeLibrary().CloseThemeData(hTheme);
}
