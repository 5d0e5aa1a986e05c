// Bitmap resources drawn with one colour left out, so that what lies behind shows through it.
#pragma once

#include <windows.h>

// Draws the program's bitmap resource with its top-left corner at (x, y); the pixels of
// crTransparent leave the target as it was. A missing resource draws nothing.
void DrawTransparentBitmap(HDC hDC, int x, int y, UINT nIDBitmap, COLORREF crTransparent);
