// A true-colour memory picture to paint into and read back pixel by pixel.
#pragma once

#include "framework/handles.h"
#include "framework/scopes.h"

#include <windows.h>

#include <optional>

class CCanvas
{
public:
    CCanvas(int nWidth, int nHeight, COLORREF crFill);
    CCanvas(const CCanvas&) = delete;
    CCanvas& operator=(const CCanvas&) = delete;

    HDC dc() const { return m_dc.get(); }
    COLORREF Pixel(int x, int y) const { return ::GetPixel(m_dc.get(), x, y); }
    // How many pixels of the rectangle (right and bottom excluded) have the colour.
    int Count(const RECT& rc, COLORREF crColor) const;

private:
    CBitmapHandle m_bitmap;
    CMemoryDCHandle m_dc;
    std::optional<CSelectObject> m_select;
};

// A bitmap resource of the program, to compare the picture with the artwork it came from.
// A copy of the program's artwork as the picture cache gives it.
class CResourcePicture
{
public:
    explicit CResourcePicture(UINT nID);
    CResourcePicture(const CResourcePicture&) = delete;
    CResourcePicture& operator=(const CResourcePicture&) = delete;

    bool IsLoaded() const { return static_cast<bool>(m_bitmap); }
    SIZE Size() const { return m_size; }
    COLORREF Pixel(int x, int y) const { return ::GetPixel(m_dc.get(), x, y); }

private:
    CBitmapHandle m_bitmap;
    CMemoryDCHandle m_dc;
    std::optional<CSelectObject> m_select;
    SIZE m_size{};
};
