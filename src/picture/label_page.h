// The label sheet drawn: one page of labels on any device context, a printer's or a memory
// bitmap's, and the pages saved as 300 dpi bitmap files.
#pragma once

#include "model/label_sheet.h"

#include <windows.h>

#include <span>
#include <string>

// The page's labels (at most a page's worth) from the page's top-left corner, at nDpi pixels per
// inch: each framed, its value, its 4-ring and 5-ring resistors and its markings.
void DrawLabelPage(HDC hDC, int nDpi, const LabelFormat& format, std::span<const LabelContent> labels);

inline constexpr int kLabelFileDpi = 300;
// The first page, as large as it fits in rc on a background of crBack.
void DrawLabelPreview(HDC hDC, const RECT& rc, COLORREF crBack, const LabelFormat& format,
                      std::span<const LabelContent> labels);

// The size of a page in pixels at nDpi.
SIZE LabelPageSize(const LabelFormat& format, int nDpi);
// Every page as a 24-bit bitmap file of 300 dpi. On a failure the files already written are
// removed again and false is returned: no part of the sheet is left behind.
bool SaveLabelPages(const std::string& strStem, const LabelFormat& format,
                    std::span<const LabelContent> labels);
// Every page on the printer, as one document: each page drawn at the printer's resolution from
// the paper's corner, whatever margin the printer cannot reach. False as PrintPages says: also
// for a list of no labels, which prints nothing.
bool PrintLabelPages(HDC hPrinter, const char* pszDocName, const LabelFormat& format,
                     std::span<const LabelContent> labels);
