// Packed device-independent images of a bitmap, and the bitmap files written from them.
#pragma once

#include "framework/handles.h"

#include <windows.h>

// Header, colour table and pixels of hBitmap in one block, read through hPalette (null: the
// default palette). Nothing for the bit-fields compression or when the system refuses.
CGlobalHandle BitmapToDib(HBITMAP hBitmap, DWORD dwCompression, HPALETTE hPalette = nullptr);

// Bytes of the packed image: header, colour table and pixels; 0 for a block that holds none.
SIZE_T PackedDibSize(const BITMAPINFOHEADER& header);

// The 14-byte file header, then the packed image unchanged. False when there is no image or the
// file cannot be written in full.
bool WriteBitmapFile(const char* pszPath, HGLOBAL hDib);
