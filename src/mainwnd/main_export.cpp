// The main window's export commands: the value text and the small picture to the clipboard, the
// picture to a bitmap file, and either to the default printer.
#include "mainwnd/main_dlg.h"

#include "framework/clipboard.h"
#include "framework/resource_module.h"
#include "framework/scopes.h"
#include "picture/common_dialogs.h"
#include "picture/dib_file.h"
#include "picture/print_job.h"
#include "picture/resistor_export.h"
#include "model/ring_colours.h"
#include "model/value_text.h"
#include "res/resource.h"

#include <cstring>
#include <optional>

std::string CMainDlg::GetValueSummary() const
{
    return BuildValueSummary(m_state.valueText, m_state.unit, ToleranceText(m_state.tolerance + 1),
                             TempCoText(m_state.tempCo + 1), m_state.rings.ringMode,
                             LoadResourceString(IDS_SUMMARY_SEPARATOR));
}

CBitmapHandle CMainDlg::RenderResistorBitmap() const
{
    CClientDC dc(m_hWnd);
    return RenderResistorPicture(dc.get(), m_state.rings, m_state.picture.horizontal);
}

bool CMainDlg::SavePicture(const char* pszPath) const
{
    CBitmapHandle picture = RenderResistorBitmap();
    CGlobalHandle dib = BitmapToDib(picture.get(), BI_RGB);
    return dib && WriteBitmapFile(pszPath, dib.get());
}

// The clipboard is emptied only once the text is ready, so a failure leaves it as it was.
void CMainDlg::OnCopyValue()
{
    const std::string text = GetValueSummary();
    CClipboard clipboard(m_hWnd);
    if (!clipboard.IsOpen())
        return;
    CGlobalHandle block(::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    {
        CGlobalLock lock(block.get());
        if (lock.get() == nullptr)
            return;
        std::memcpy(lock.get(), text.c_str(), text.size() + 1);
    }
    clipboard.Replace(CF_TEXT, block);
}

void CMainDlg::OnCopyPicture()
{
    CBitmapHandle picture = RenderResistorBitmap();
    CClipboard clipboard(m_hWnd);
    clipboard.Replace(CF_BITMAP, picture);
}

void CMainDlg::OnSavePicture()
{
    if (const std::optional<std::string> path = AskBitmapFile(m_hWnd, BitmapFileUse::Save))
        SavePicture(path->c_str());
}

void CMainDlg::Print(int nWhat)
{
    CWaitCursor wait;
    bool bPrinted = false;
    if (CPrinterDCHandle printer = GetDefaultPrinterDC())
    {
        bPrinted = PrintOnePage(printer.get(), kPrintDocumentName,
                                [&](HDC hDC)
                                {
                                    if (nWhat == 0)
                                        DrawValuePage(hDC, GetValueSummary());
                                    else
                                        DrawPicturePage(hDC, RenderResistorBitmap().get());
                                });
    }
    if (!bPrinted)
        MessageBoxFromTable(IDS_PRINT_ERROR, MB_OK | MB_ICONEXCLAMATION);
}

void CMainDlg::OnPrint(UINT id)
{
    Print(id == ID_PRINT_VALUE ? 0 : 1);
}
