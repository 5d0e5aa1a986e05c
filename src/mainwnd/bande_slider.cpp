// Custom drawing of the ring selectors, answered to the trackbar's NM_CUSTOMDRAW, which the
// parent hands back to the control.
#include "mainwnd/bande_slider.h"

#include <utility>

const CMessageEntry CBandeSlider::s_messageEntries[] = {
    OnMessage<WM_ERASEBKGND, &CBandeSlider::OnEraseBkgnd>(),
    OnNotifyReflect<&CBandeSlider::OnCustomDraw>(NM_CUSTOMDRAW),
};
const CMessageMap CBandeSlider::s_messageMap{CSliderCtrl::s_messageMap, s_messageEntries};

BOOL CBandeSlider::OnEraseBkgnd(HDC)
{
    // The channel's paint covers the whole control with the parent's pixels.
    return FALSE;
}

LRESULT CBandeSlider::OnCustomDraw(NMCUSTOMDRAW& nmcd)
{
    if (nmcd.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (nmcd.dwDrawStage != CDDS_ITEMPREPAINT)
        return CDRF_DODEFAULT;
    switch (nmcd.dwItemSpec)
    {
    case TBCD_THUMB:
        DrawThumb(nmcd.hdc, nmcd);
        return CDRF_SKIPDEFAULT;
    case TBCD_CHANNEL:
        DrawChannel(nmcd.hdc, nmcd);
        return CDRF_SKIPDEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

void CBandeSlider::TakeBackground(int nWidth, int nHeight)
{
    HWND hParent = ::GetParent(m_hWnd);
    if (hParent == nullptr)
        return;
    // The control erases nothing, so at its first paint the parent's own painting is still
    // under it.
    POINT ptCorner{0, 0};
    ::MapWindowPoints(m_hWnd, hParent, &ptCorner, 1);
    CClientDC parentDC(hParent);
    if (parentDC.get() == nullptr)
        return;
    CMemoryDCHandle snapshotDC(::CreateCompatibleDC(parentDC.get()));
    CBitmapHandle snapshot(::CreateCompatibleBitmap(parentDC.get(), nWidth, nHeight));
    if (!snapshotDC || !snapshot)
        return;
    m_hbmBackground = std::move(snapshot);
    m_hdcBackground = std::move(snapshotDC);
    m_hbmOldBackground = CSelectObject(m_hdcBackground.get(), m_hbmBackground.get());
    ::BitBlt(m_hdcBackground.get(), 0, 0, nWidth, nHeight, parentDC.get(), ptCorner.x, ptCorner.y, SRCCOPY);
}

void CBandeSlider::DrawBackground(HDC hDC, int nWidth, int nHeight)
{
    if (!m_hdcMask || m_sizeMask.cx != nWidth || m_sizeMask.cy != nHeight)
    {
        m_hbmOldMask = CSelectObject();
        m_hdcMask.reset(::CreateCompatibleDC(hDC));
        m_hbmMask.reset(::CreateBitmap(nWidth, nHeight, 1, 1, nullptr));
        m_sizeMask = SIZE{nWidth, nHeight};
        if (m_hdcMask && m_hbmMask)
            m_hbmOldMask = CSelectObject(m_hdcMask.get(), m_hbmMask.get());
        else
            m_hdcMask.reset();
    }
    if (!m_hdcMask)
    {
        ::BitBlt(hDC, 0, 0, nWidth, nHeight, m_hdcBackground.get(), 0, 0, SRCCOPY);
        return;
    }
    HDC maskDC = m_hdcMask.get();
    // Black is the background colour: tick marks drawn so far become 1 bits of the mask, and on
    // the way back 1 bits come out black and 0 bits white, which the AND leaves alone.
    CDCColors colors(hDC, RGB(255, 255, 255), RGB(0, 0, 0));
    ::BitBlt(maskDC, 0, 0, nWidth, nHeight, hDC, 0, 0, SRCCOPY);
    ::BitBlt(hDC, 0, 0, nWidth, nHeight, m_hdcBackground.get(), 0, 0, SRCCOPY);
    ::BitBlt(hDC, 0, 0, nWidth, nHeight, maskDC, 0, 0, SRCAND);
}

void CBandeSlider::DrawChannel(HDC hDC, const NMCUSTOMDRAW& nmcd)
{
    RECT rcClient{};
    ::GetClientRect(m_hWnd, &rcClient);
    if (!m_hdcBackground)
        TakeBackground(rcClient.right, rcClient.bottom);
    if (m_hdcBackground)
        DrawBackground(hDC, rcClient.right, rcClient.bottom);

    RECT rcGroove = nmcd.rc;
    if (rcGroove.bottom - rcGroove.top > rcGroove.right - rcGroove.left)
        ::InflateRect(&rcGroove, 1, 0);
    else
        ::InflateRect(&rcGroove, 0, 2);
    ::DrawEdge(hDC, &rcGroove, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
}

void CBandeSlider::DrawThumb(HDC hDC, const NMCUSTOMDRAW& nmcd)
{
    const RECT rcThumb = GetThumbRect();
    // Windows marks a pressed thumb selected; Wine marks it hot while the control holds the mouse.
    const bool bDragged = (nmcd.uItemState & CDIS_SELECTED) != 0 ||
                          ((nmcd.uItemState & CDIS_HOT) != 0 && ::GetCapture() == m_hWnd);
    const int nColor = bDragged ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE;
    CBrushHandle brush(::CreateSolidBrush(::GetSysColor(nColor)));
    CSelectObject selectBrush(hDC, brush.get());
    ::Ellipse(hDC, rcThumb.left, rcThumb.top, rcThumb.right, rcThumb.bottom);
}
