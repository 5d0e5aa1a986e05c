// The paint buffer: what the target's clip box shows, prepared off screen.
#include "framework/offscreen_dc.h"

COffscreenDC::COffscreenDC(HDC hDC) : m_hTarget(hDC)
{
    ::GetClipBox(hDC, &m_rect);
    // A printer has nothing to flicker and would only get a screen-resolution copy.
    if (::GetDeviceCaps(hDC, TECHNOLOGY) == DT_RASPRINTER)
        return;
    const int nWidth = m_rect.right - m_rect.left;
    const int nHeight = m_rect.bottom - m_rect.top;
    if (nWidth <= 0 || nHeight <= 0)
        return;
    m_bitmap.reset(::CreateCompatibleBitmap(hDC, nWidth, nHeight));
    m_memDC.reset(::CreateCompatibleDC(hDC));
    if (!m_bitmap || !m_memDC)
    {
        m_memDC.reset();
        return;
    }
    m_selectBitmap = CSelectObject(m_memDC.get(), m_bitmap.get());
    ::SetMapMode(m_memDC.get(), ::GetMapMode(hDC));
    // The buffer's first pixel is the clip box's corner, so callers draw in the target's coordinates.
    ::SetWindowOrgEx(m_memDC.get(), m_rect.left, m_rect.top, nullptr);
    CBrushHandle background(::CreateSolidBrush(::GetBkColor(hDC)));
    ::FillRect(m_memDC.get(), &m_rect, background.get());
}

COffscreenDC::~COffscreenDC()
{
    if (!m_memDC)
        return;
    ::BitBlt(m_hTarget, m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top,
             m_memDC.get(), m_rect.left, m_rect.top, SRCCOPY);
}
