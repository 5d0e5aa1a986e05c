// Printing without a dialog: the default printer's context and one page drawn on it.
#include "picture/print_job.h"

#include "framework/scopes.h"
#include "picture/common_dialogs.h"
#include "picture/dib_file.h"

#include <commdlg.h>

namespace
{
constexpr int kPageMargin = 50;
} // namespace

namespace
{
CPrinterDCHandle CallPrintDlgForDC(PRINTDLGA& pd)
{
    pd.lStructSize = sizeof pd;
    pd.Flags |= PD_RETURNDC;
    if (!CallPrintDlg(&pd))
        return {};
    // The dialog hands over the printer's settings too; only the context is kept.
    CGlobalHandle devMode(pd.hDevMode);
    CGlobalHandle devNames(pd.hDevNames);
    return CPrinterDCHandle(pd.hDC);
}
} // namespace

CPrinterDCHandle GetDefaultPrinterDC()
{
    PRINTDLGA pd{};
    pd.Flags = PD_RETURNDEFAULT;
    return CallPrintDlgForDC(pd);
}

CPrinterDCHandle AskPrinterDC(HWND hOwner, bool& bCancelled)
{
    PRINTDLGA pd{};
    pd.hwndOwner = hOwner;
    // The copies are the driver's to make, so each page is drawn once; without a printer the
    // program's own box says so, not a second one of the dialog's.
    pd.Flags = PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOWARNING;
    CPrinterDCHandle printer = CallPrintDlgForDC(pd);
    bCancelled = !printer && CallCommDlgExtendedError() == 0;
    return printer;
}

bool PrintPages(HDC hPrinter, const char* pszDocName, std::size_t nPages,
                const std::function<void(HDC, std::size_t)>& drawPage)
{
    if (nPages == 0)
        return false;
    DOCINFOA di{};
    di.cbSize = sizeof di;
    di.lpszDocName = pszDocName;
    if (::StartDocA(hPrinter, &di) <= 0)
        return false;
    for (std::size_t nPage = 0; nPage < nPages; ++nPage)
    {
        if (::StartPage(hPrinter) <= 0)
        {
            ::AbortDoc(hPrinter);
            return false;
        }
        drawPage(hPrinter, nPage);
        if (::EndPage(hPrinter) <= 0)
        {
            ::AbortDoc(hPrinter);
            return false;
        }
    }
    return ::EndDoc(hPrinter) > 0;
}

bool PrintOnePage(HDC hPrinter, const char* pszDocName, const std::function<void(HDC)>& drawPage)
{
    return PrintPages(hPrinter, pszDocName, 1, [&drawPage](HDC hDC, std::size_t) { drawPage(hDC); });
}

void DrawValuePage(HDC hDC, const std::string& text)
{
    CSelectObject selectFont(hDC, ::GetStockObject(SYSTEM_FONT));
    ::TextOutA(hDC, kPageMargin, kPageMargin, text.c_str(), static_cast<int>(text.size()));
}

void DrawPicturePage(HDC hDC, HBITMAP hPicture)
{
    // A printer takes device-independent pixels; a bitmap of the screen may mean nothing to it.
    CGlobalHandle dib = BitmapToDib(hPicture, BI_RGB);
    CGlobalLock lock(dib.get());
    if (lock.get() == nullptr)
        return;
    const auto* pInfo = static_cast<const BITMAPINFO*>(lock.get());
    const BITMAPINFOHEADER& header = pInfo->bmiHeader;
    const auto* pBits = static_cast<const BYTE*>(lock.get()) + (PackedDibSize(header) - header.biSizeImage);
    CClientDC screen(nullptr);
    const int nScreenX = ::GetDeviceCaps(screen.get(), LOGPIXELSX);
    const int nScreenY = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    const int cx = ::MulDiv(header.biWidth, ::GetDeviceCaps(hDC, LOGPIXELSX), nScreenX);
    const int cy = ::MulDiv(header.biHeight, ::GetDeviceCaps(hDC, LOGPIXELSY), nScreenY);
    ::StretchDIBits(hDC, kPageMargin, kPageMargin, cx, cy, 0, 0, header.biWidth, header.biHeight, pBits,
                    pInfo, DIB_RGB_COLORS, SRCCOPY);
}
