// Bitmaps that every paint of the resistor draws, loaded once: the program's own artwork for the
// program's life, a background file until the file changes.
#pragma once

#include <windows.h>

#include <string>

// The program's bitmap resource; null when it does not exist. Owned by the cache.
HBITMAP GetArtworkBitmap(UINT nID);

// A monochrome copy of the artwork: 1 where it has the transparent colour, 0 elsewhere.
HBITMAP GetArtworkMask(UINT nID, COLORREF crTransparent);

// The picture of a bitmap file; null when the file is missing or is not a bitmap that its size
// can hold. Read again only when its path, size or time of last change is new. Owned by the cache.
HBITMAP GetBackgroundFileBitmap(const std::string& strPath);
