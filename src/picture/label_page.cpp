#include "picture/label_page.h"

#include "framework/handles.h"
#include "framework/paint_helpers.h"
#include "framework/scopes.h"
#include "picture/dib_file.h"
#include "picture/print_job.h"
#include "picture/scaled_resistor.h"

#include <algorithm>
#include <vector>

namespace
{
constexpr double kMmPerInch = 25.4;
constexpr COLORREF kFrame = RGB(160, 160, 160);

int ToPixels(double dMm, int nDpi)
{
    return static_cast<int>(dMm * nDpi / kMmPerInch + 0.5);
}

void DrawLabelText(HDC hDC, const std::string& strText, RECT rc, int nHeight, bool bBold)
{
    CFontHandle font(::CreateFontA(-nHeight, 0, 0, 0, bBold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                   DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH | FF_SWISS, "Arial"));
    CSelectObject selectFont(hDC, font.get());
    ::DrawTextA(hDC, strText.c_str(), static_cast<int>(strText.size()), &rc,
                DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// The value on top, the two resistors side by side in the middle, the markings below.
void DrawLabel(HDC hDC, const RECT& rc, const LabelContent& label)
{
    const int nWidth = rc.right - rc.left;
    const int nHeight = rc.bottom - rc.top;
    const int nLine = std::max(1, nWidth / 300);
    FillSolidRect(hDC, {rc.left, rc.top, rc.right, rc.top + nLine}, kFrame);
    FillSolidRect(hDC, {rc.left, rc.bottom - nLine, rc.right, rc.bottom}, kFrame);
    FillSolidRect(hDC, {rc.left, rc.top, rc.left + nLine, rc.bottom}, kFrame);
    FillSolidRect(hDC, {rc.right - nLine, rc.top, rc.right, rc.bottom}, kFrame);

    const int nPad = nHeight / 12;
    const int nTextHeight = nHeight / 5;
    DrawLabelText(hDC, label.value,
                  {rc.left + nPad, rc.top + nPad, rc.right - nPad, rc.top + nPad + nTextHeight},
                  nTextHeight * 4 / 5, true);
    const int nMiddleTop = rc.top + nPad + nTextHeight;
    const int nMiddleBottom = rc.bottom - nPad - nTextHeight * 3 / 4;
    const int nHalf = rc.left + nWidth / 2;
    DrawScaledResistor(hDC, {rc.left + nPad, nMiddleTop, nHalf - nPad / 2, nMiddleBottom}, label.fourRings,
                       true, false);
    DrawScaledResistor(hDC, {nHalf + nPad / 2, nMiddleTop, rc.right - nPad, nMiddleBottom}, label.fiveRings,
                       true, false);
    std::string strMarkings;
    for (const std::string& strMarking : label.markings)
        strMarkings += (strMarkings.empty() ? "" : "   ") + strMarking;
    DrawLabelText(hDC, strMarkings, {rc.left + nPad, nMiddleBottom, rc.right - nPad, rc.bottom - nPad},
                  nTextHeight * 3 / 5, false);
}
} // namespace

void DrawLabelPage(HDC hDC, int nDpi, const LabelFormat& format, std::span<const LabelContent> labels)
{
    const int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
    const COLORREF crOld = ::SetTextColor(hDC, RGB(0, 0, 0));
    const std::size_t nCount =
        std::min(labels.size(), static_cast<std::size_t>(std::max(0, format.LabelsPerPage())));
    for (std::size_t i = 0; i < nCount; ++i)
    {
        const LabelPlace place = PlaceLabel(format, i);
        const RECT rc{ToPixels(place.left, nDpi), ToPixels(place.top, nDpi),
                      ToPixels(place.left + format.labelWidth, nDpi),
                      ToPixels(place.top + format.labelHeight, nDpi)};
        DrawLabel(hDC, rc, labels[i]);
    }
    ::SetTextColor(hDC, crOld);
    ::SetBkMode(hDC, nOldMode);
}

// A resistor needs more pixels than a preview gives it: the page is drawn at a few times the
// resolution that fits, then shrunk with averaging.
void DrawLabelPreview(HDC hDC, const RECT& rc, COLORREF crBack, const LabelFormat& format,
                      std::span<const LabelContent> labels)
{
    constexpr int kMargin = 4;
    constexpr int kDetail = 3;
    FillSolidRect(hDC, rc, crBack);
    if (format.pageWidth <= 0 || format.pageHeight <= 0)
        return;
    const double dFitX = (rc.right - rc.left - 2 * kMargin) * kMmPerInch / format.pageWidth;
    const double dFitY = (rc.bottom - rc.top - 2 * kMargin) * kMmPerInch / format.pageHeight;
    const int nDpi = std::max(1, static_cast<int>(std::min(dFitX, dFitY)));
    const SIZE page = LabelPageSize(format, nDpi);
    const SIZE detailed = LabelPageSize(format, nDpi * kDetail);
    const int x = rc.left + (rc.right - rc.left - page.cx) / 2;
    const int y = rc.top + (rc.bottom - rc.top - page.cy) / 2;
    CMemoryDCHandle dc(::CreateCompatibleDC(hDC));
    CBitmapHandle bitmap(::CreateCompatibleBitmap(hDC, detailed.cx, detailed.cy));
    if (!dc || !bitmap)
        return;
    CSelectObject selectBitmap(dc.get(), bitmap.get());
    FillSolidRect(dc.get(), {0, 0, detailed.cx, detailed.cy}, RGB(255, 255, 255));
    DrawLabelPage(dc.get(), nDpi * kDetail, format, labels);
    const int nOldMode = ::SetStretchBltMode(hDC, HALFTONE);
    POINT ptOldOrigin{};
    ::SetBrushOrgEx(hDC, 0, 0, &ptOldOrigin);
    ::StretchBlt(hDC, x, y, page.cx, page.cy, dc.get(), 0, 0, detailed.cx, detailed.cy, SRCCOPY);
    ::SetBrushOrgEx(hDC, ptOldOrigin.x, ptOldOrigin.y, nullptr);
    ::SetStretchBltMode(hDC, nOldMode);
}

SIZE LabelPageSize(const LabelFormat& format, int nDpi)
{
    return {ToPixels(format.pageWidth, nDpi), ToPixels(format.pageHeight, nDpi)};
}

bool SaveLabelPages(const std::string& strStem, const LabelFormat& format,
                    std::span<const LabelContent> labels)
{
    const std::size_t nPages = LabelPageCount(format, labels.size());
    const auto [nWidth, nHeight] = LabelPageSize(format, kLabelFileDpi);
    std::vector<std::string> written;
    bool bSaved = nPages > 0;
    for (std::size_t nPage = 0; nPage < nPages && bSaved; ++nPage)
    {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), nWidth, nHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        void* pBits = nullptr;
        CBitmapHandle page(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0));
        CMemoryDCHandle dc(::CreateCompatibleDC(nullptr));
        if (!page || !dc)
        {
            bSaved = false;
            break;
        }
        {
            CSelectObject selectPage(dc.get(), page.get());
            FillSolidRect(dc.get(), {0, 0, nWidth, nHeight}, RGB(255, 255, 255));
            const std::size_t nFirst = nPage * static_cast<std::size_t>(format.LabelsPerPage());
            DrawLabelPage(dc.get(), kLabelFileDpi, format, labels.subspan(nFirst));
        }
        CGlobalHandle dib = BitmapToDib(page.get(), BI_RGB);
        {
            // The file says its resolution: 300 dpi in pixels per metre.
            CGlobalLock lock(dib.get());
            if (auto* pHeader = static_cast<BITMAPINFOHEADER*>(lock.get()))
                pHeader->biXPelsPerMeter = pHeader->biYPelsPerMeter = 11811;
        }
        const std::string strPath = LabelPageFileName(strStem, nPage + 1);
        written.push_back(strPath);
        bSaved = dib && WriteBitmapFile(strPath.c_str(), dib.get());
    }
    if (!bSaved)
    {
        for (const std::string& strPath : written)
            ::DeleteFileA(strPath.c_str());
    }
    return bSaved;
}

bool PrintLabelPages(HDC hPrinter, const char* pszDocName, const LabelFormat& format,
                     std::span<const LabelContent> labels)
{
    const std::size_t nPerPage = static_cast<std::size_t>(std::max(1, format.LabelsPerPage()));
    const int nDpi = ::GetDeviceCaps(hPrinter, LOGPIXELSX);
    const POINT ptOffset{::GetDeviceCaps(hPrinter, PHYSICALOFFSETX),
                         ::GetDeviceCaps(hPrinter, PHYSICALOFFSETY)};
    return PrintPages(hPrinter, pszDocName, LabelPageCount(format, labels.size()),
                      [&](HDC hDC, std::size_t nPage)
                      {
                          POINT ptOld{};
                          ::SetViewportOrgEx(hDC, -ptOffset.x, -ptOffset.y, &ptOld);
                          DrawLabelPage(hDC, nDpi, format, labels.subspan(nPage * nPerPage));
                          ::SetViewportOrgEx(hDC, ptOld.x, ptOld.y, nullptr);
                      });
}
