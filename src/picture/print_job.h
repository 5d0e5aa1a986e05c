// One page on the default printer, and what the resistor's pages carry.
#pragma once

#include "framework/handles.h"

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>

// Every job the program prints is named after it.
inline constexpr const char* kPrintDocumentName = "Vantrel";

// The default printer's context, asked of the print dialog without showing it; nothing when no
// printer is installed.
CPrinterDCHandle GetDefaultPrinterDC();
// The context of the printer the user chooses in the print dialog, for every page. Nothing when
// the dialog is cancelled (bCancelled is then set) or fails.
CPrinterDCHandle AskPrinterDC(HWND hOwner, bool& bCancelled);

// A document of nPages pages, each filled by drawPage with its index. False when the document
// or a page cannot be started or a page cannot be ended; a started document is then aborted, so
// that no part of it is printed. A document of no pages is not started, and false too: a printer
// would still feed a blank sheet for it.
bool PrintPages(HDC hPrinter, const char* pszDocName, std::size_t nPages,
                const std::function<void(HDC, std::size_t)>& drawPage);
bool PrintOnePage(HDC hPrinter, const char* pszDocName, const std::function<void(HDC)>& drawPage);

// The value text at (50, 50) in device units, in the system font.
void DrawValuePage(HDC hDC, const std::string& text);

// The picture at (50, 50), as large on paper as on the screen. The page's resolution decides
// the scale, so a context of the screen's resolution gets it pixel for pixel.
void DrawPicturePage(HDC hDC, HBITMAP hPicture);
