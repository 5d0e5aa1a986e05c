// Memory pictures for the drawing tests.
#include "canvas.h"

#include "picture/picture_cache.h"

CCanvas::CCanvas(int nWidth, int nHeight, COLORREF crFill)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = -nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    m_bitmap.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0));
    m_dc.reset(::CreateCompatibleDC(nullptr));
    if (!m_bitmap || !m_dc)
        return;
    m_select.emplace(m_dc.get(), m_bitmap.get());
    const RECT rc{0, 0, nWidth, nHeight};
    CBrushHandle fill(::CreateSolidBrush(crFill));
    ::FillRect(m_dc.get(), &rc, fill.get());
}

int CCanvas::Count(const RECT& rc, COLORREF crColor) const
{
    int nCount = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
    {
        for (int x = rc.left; x < rc.right; ++x)
            nCount += Pixel(x, y) == crColor ? 1 : 0;
    }
    return nCount;
}

CResourcePicture::CResourcePicture(UINT nID)
    : m_bitmap(static_cast<HBITMAP>(::CopyImage(GetArtworkBitmap(nID), IMAGE_BITMAP, 0, 0, 0))),
      m_dc(::CreateCompatibleDC(nullptr))
{
    BITMAP bm{};
    if (!m_bitmap || !m_dc || ::GetObjectA(m_bitmap.get(), sizeof(bm), &bm) == 0)
    {
        m_bitmap.reset();
        return;
    }
    m_size = {bm.bmWidth, bm.bmHeight};
    m_select.emplace(m_dc.get(), m_bitmap.get());
}
