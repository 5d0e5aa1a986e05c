// Double buffer for a paint: drawing goes to a memory bitmap that reaches the target in one copy.
#pragma once

#include "framework/handles.h"
#include "framework/scopes.h"

#include <windows.h>

class COffscreenDC
{
public:
    // Buffers the target's clip box, with the target's mapping mode and logical coordinates.
    explicit COffscreenDC(HDC hDC);
    // Copies the buffer to the target.
    ~COffscreenDC();
    COffscreenDC(const COffscreenDC&) = delete;
    COffscreenDC& operator=(const COffscreenDC&) = delete;

    // Where to draw: the buffer, or the target itself for a printer or when no buffer could be made.
    HDC get() const { return m_memDC ? m_memDC.get() : m_hTarget; }

private:
    HDC m_hTarget;
    RECT m_rect{};
    CBitmapHandle m_bitmap;
    CMemoryDCHandle m_memDC;
    CSelectObject m_selectBitmap;
};
