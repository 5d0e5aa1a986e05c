// One page on the default printer, and what the resistor's pages carry.
#pragma once

#include "framework/handles.h"

#include <windows.h>

#include <functional>
#include <string>

// The default printer's context, asked of the print dialog without showing it; nothing when no
// printer is installed.
CPrinterDCHandle GetDefaultPrinterDC();

// A document of one page that drawPage fills. False when the document or its page cannot be
// started, or the page cannot be ended; a started document is then aborted.
bool PrintOnePage(HDC hPrinter, const char* pszDocName, const std::function<void(HDC)>& drawPage);

// The value text at (50, 50) in device units, in the system font.
void DrawValuePage(HDC hDC, const std::string& text);

// The picture at (50, 50), as large on paper as on the screen. The page's resolution decides
// the scale, so a context of the screen's resolution gets it pixel for pixel.
void DrawPicturePage(HDC hDC, HBITMAP hPicture);
