// One menu item, measured and drawn. XP-like look: a strip in a light tint of the button face
// holds pictures and check marks, the selected item is a highlight-coloured frame over a light
// highlight fill, separators start after the strip. Classic look: the system's menu colours,
// the highlight fill for the selected item and etched separators.
#include "menu/menu_item_paint.h"

#include "framework/paint_helpers.h"
#include "framework/scopes.h"

#include <algorithm>

namespace
{
constexpr int kIconSize = 16;
constexpr int kTextGap = 8;
constexpr int kAcceleratorGap = 24;
constexpr int kRightMargin = 6;
constexpr double kStripFraction = 0.2;
constexpr double kBodyFraction = 0.85;
constexpr double kSelectionFraction = 0.7;
constexpr double kCheckFraction = 0.45;
// "Marlett": a check mark and a right-pointing triangle (the same glyphs in every version of the font).
constexpr char kGlyphCheck[] = "a";
constexpr char kGlyphArrow[] = "4";

struct CItemMetrics
{
    int cyText;
    int cxColumn; // the strip, or the classic look's check column
    int cyItem;
    int cySeparator;
};

CItemMetrics Metrics(HDC hDC, const CMenuPaintTools& tools)
{
    TEXTMETRICA tm{};
    {
        CSelectObject font(hDC, tools.font.get());
        ::GetTextMetricsA(hDC, &tm);
    }
    const int cyText = tm.tmHeight;
    if (tools.bClassic)
    {
        const int cxCheck = std::max(::GetSystemMetrics(SM_CXMENUCHECK), kIconSize);
        return {cyText, cxCheck + 6, std::max(cyText + 4, kIconSize + 4),
                std::max(::GetSystemMetrics(SM_CYMENU) / 2, 5)};
    }
    const int cxColumn = std::max(cyText, kIconSize) + 8;
    return {cyText, cxColumn, std::max(cyText, kIconSize) + 6, 5};
}

SIZE TextSize(HDC hDC, HFONT hFont, const std::string& strText)
{
    if (strText.empty())
        return {0, 0};
    CSelectObject font(hDC, hFont);
    RECT rc{};
    ::DrawTextA(hDC, strText.c_str(), static_cast<int>(strText.size()), &rc, DT_SINGLELINE | DT_CALCRECT);
    return {rc.right - rc.left, rc.bottom - rc.top};
}

void FrameSolidRect(HDC hDC, const RECT& rc, COLORREF crFrame)
{
    CBrushHandle brush(::CreateSolidBrush(crFrame));
    ::FrameRect(hDC, &rc, brush.get());
}

void DrawGlyph(HDC hDC, const CMenuPaintTools& tools, const char* pszGlyph, RECT rc, COLORREF crText)
{
    CSelectObject font(hDC, tools.glyphFont.get());
    ::SetTextColor(hDC, crText);
    ::DrawTextA(hDC, pszGlyph, 1, &rc, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

void DrawText(HDC hDC, const std::string& strText, RECT rc, UINT uFormat, COLORREF crText)
{
    ::SetTextColor(hDC, crText);
    ::DrawTextA(hDC, strText.c_str(), static_cast<int>(strText.size()), &rc, uFormat);
}

// The picture or check mark centred in the column; a checked item with a picture gets a box
// round the picture.
void DrawColumn(HDC hDC, const CMenuItemData& item, const CMenuPaintTools& tools, const RECT& rcColumn,
                UINT state, COLORREF crText)
{
    const bool bChecked = (state & ODS_CHECKED) != 0;
    const bool bGrayed = (state & (ODS_GRAYED | ODS_DISABLED)) != 0;
    const bool bIcon = item.nIcon >= 0 && tools.hIcons != nullptr;
    RECT rcBox{rcColumn.left + 2, rcColumn.top + 1, rcColumn.right - 2, rcColumn.bottom - 1};
    if (bChecked)
    {
        if (tools.bClassic)
        {
            if (bIcon)
                ::DrawEdge(hDC, &rcBox, BDR_SUNKENOUTER, BF_RECT);
        }
        else
        {
            const COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
            FillSolidRect(hDC, rcBox, LightenColor(crHighlight, kCheckFraction));
            FrameSolidRect(hDC, rcBox, crHighlight);
        }
    }
    if (bIcon)
    {
        const int x = (rcColumn.left + rcColumn.right - kIconSize) / 2;
        const int y = (rcColumn.top + rcColumn.bottom - kIconSize) / 2;
        ::ImageList_Draw(tools.hIcons, item.nIcon, hDC, x, y, ILD_TRANSPARENT | (bGrayed ? ILD_BLEND50 : 0));
    }
    else if (bChecked)
    {
        DrawGlyph(hDC, tools, kGlyphCheck, rcBox, crText);
    }
}
} // namespace

CMenuPaintTools CreateMenuPaintTools(bool bClassic)
{
    CMenuPaintTools tools;
    tools.bClassic = bClassic;
    NONCLIENTMETRICSA ncm{};
    ncm.cbSize = sizeof ncm;
    LOGFONTA lf{};
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0))
        lf = ncm.lfMenuFont;
    else
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    tools.font.reset(::CreateFontIndirectA(&lf));
    lf.lfWeight = FW_BOLD;
    tools.boldFont.reset(::CreateFontIndirectA(&lf));
    // Check marks and arrows are glyphs of "Marlett", as the system draws its own.
    LOGFONTA glyph{};
    glyph.lfHeight = lf.lfHeight;
    glyph.lfCharSet = SYMBOL_CHARSET;
    ::lstrcpynA(glyph.lfFaceName, "Marlett", LF_FACESIZE);
    tools.glyphFont.reset(::CreateFontIndirectA(&glyph));
    return tools;
}

void MeasureMenuItem(const CMenuItemData& item, const CMenuPaintTools& tools, MEASUREITEMSTRUCT& mis)
{
    CClientDC dc(nullptr);
    const CItemMetrics metrics = Metrics(dc.get(), tools);
    if (item.bSeparator)
    {
        mis.itemWidth = 0;
        mis.itemHeight = static_cast<UINT>(metrics.cySeparator);
        return;
    }
    const HFONT hFont = item.bDefault ? tools.boldFont.get() : tools.font.get();
    const SIZE label = TextSize(dc.get(), hFont, item.strLabel);
    const SIZE accelerator = TextSize(dc.get(), hFont, item.strAccelerator);
    int cx = metrics.cxColumn + kTextGap + label.cx + metrics.cyText + kRightMargin;
    if (accelerator.cx > 0)
        cx += kAcceleratorGap + accelerator.cx;
    // The system adds the width of a check mark to an owner-drawn item of a pop-up menu.
    cx -= ::GetSystemMetrics(SM_CXMENUCHECK) - 1;
    mis.itemWidth = static_cast<UINT>(std::max(cx, 0));
    mis.itemHeight = static_cast<UINT>(std::max<LONG>(metrics.cyItem, label.cy + 4));
}

void DrawMenuItem(const CMenuItemData& item, const CMenuPaintTools& tools, const DRAWITEMSTRUCT& dis)
{
    HDC hDC = dis.hDC;
    const RECT rc = dis.rcItem;
    const CItemMetrics metrics = Metrics(hDC, tools);
    const bool bGrayed = (dis.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    const bool bSelected = (dis.itemState & ODS_SELECTED) != 0 && !bGrayed && !item.bSeparator;
    const COLORREF crButton = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const RECT rcColumn{rc.left, rc.top, rc.left + metrics.cxColumn, rc.bottom};
    const int nMiddle = (rc.top + rc.bottom) / 2;

    COLORREF crText = ::GetSysColor(bGrayed ? COLOR_GRAYTEXT : COLOR_MENUTEXT);
    if (tools.bClassic)
    {
        FillSolidRect(hDC, rc, ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_MENU));
        if (bSelected)
            crText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
        if (item.bSeparator)
        {
            RECT rcLine{rc.left + 1, nMiddle - 1, rc.right - 1, nMiddle + 1};
            ::DrawEdge(hDC, &rcLine, EDGE_ETCHED, BF_TOP);
            return;
        }
    }
    else
    {
        FillSolidRect(hDC, rc, LightenColor(crButton, kBodyFraction));
        FillSolidRect(hDC, rcColumn, LightenColor(crButton, kStripFraction));
        if (item.bSeparator)
        {
            const RECT rcLine{rcColumn.right + kTextGap, nMiddle, rc.right, nMiddle + 1};
            FillSolidRect(hDC, rcLine, ::GetSysColor(COLOR_BTNSHADOW));
            return;
        }
        if (bSelected)
        {
            FillSolidRect(hDC, rc, LightenColor(crHighlight, kSelectionFraction));
            FrameSolidRect(hDC, rc, crHighlight);
        }
    }

    const int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
    DrawColumn(hDC, item, tools, rcColumn, dis.itemState, crText);
    {
        CSelectObject font(hDC, item.bDefault ? tools.boldFont.get() : tools.font.get());
        const UINT uFormat =
            DT_SINGLELINE | DT_VCENTER | ((dis.itemState & ODS_NOACCEL) != 0 ? DT_HIDEPREFIX : 0);
        const RECT rcText{rcColumn.right + kTextGap, rc.top, rc.right - metrics.cyText - kRightMargin,
                          rc.bottom};
        // The classic look embosses a greyed text that is not selected, as the system does.
        if (tools.bClassic && bGrayed && !bSelected)
        {
            const RECT rcShadow{rcText.left + 1, rcText.top + 1, rcText.right + 1, rcText.bottom + 1};
            DrawText(hDC, item.strLabel, rcShadow, uFormat, ::GetSysColor(COLOR_3DHILIGHT));
            DrawText(hDC, item.strAccelerator, rcShadow, uFormat | DT_RIGHT | DT_NOPREFIX,
                     ::GetSysColor(COLOR_3DHILIGHT));
        }
        DrawText(hDC, item.strLabel, rcText, uFormat, crText);
        DrawText(hDC, item.strAccelerator, rcText, uFormat | DT_RIGHT | DT_NOPREFIX, crText);
    }
    if (item.bSubMenu)
    {
        const RECT rcArrow{rc.right - metrics.cyText - kRightMargin, rc.top, rc.right - kRightMargin / 2,
                           rc.bottom};
        DrawGlyph(hDC, tools, kGlyphArrow, rcArrow, crText);
        // The system draws its own arrow after this: it is kept off the item.
        ::ExcludeClipRect(hDC, rcArrow.left, rc.top, rc.right, rc.bottom);
    }
    ::SetBkMode(hDC, nOldMode);
}
