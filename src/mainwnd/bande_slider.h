// The ring selectors: trackbars that sit on the dialog's background picture. The control shows
// the parent's pixels behind it, keeps its black tick marks, and draws a sunken groove and a
// round thumb; everything else is the trackbar's own.
#pragma once

#include "framework/handles.h"
#include "framework/scopes.h"
#include "framework/slider_ctrl.h"

#include <commctrl.h>

class CBandeSlider : public CSliderCtrl
{
public:
    // Background, tick marks kept, and the groove around the notification's channel rectangle.
    void DrawChannel(HDC hDC, const NMCUSTOMDRAW& nmcd);
    // An ellipse in the thumb rectangle, in the highlight colour while the thumb is dragged.
    void DrawThumb(HDC hDC, const NMCUSTOMDRAW& nmcd);

protected:
    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    static const CMessageMap s_messageMap;

private:
    BOOL OnEraseBkgnd(HDC hDC);
    LRESULT OnCustomDraw(NMCUSTOMDRAW& nmcd);
    // Copies the parent's pixels under the control, once for the control's life.
    void TakeBackground(int nWidth, int nHeight);
    void DrawBackground(HDC hDC, int nWidth, int nHeight);

    // Declared in this order so that the snapshot bitmap is put out of the context before the
    // context and then the bitmap are freed.
    CBitmapHandle m_hbmBackground;
    CMemoryDCHandle m_hdcBackground;
    CSelectObject m_hbmOldBackground;
    // The tick marks' mask, made once for the control's size; the same order for the same reason.
    CBitmapHandle m_hbmMask;
    CMemoryDCHandle m_hdcMask;
    CSelectObject m_hbmOldMask;
    SIZE m_sizeMask{};

    static const CMessageEntry s_messageEntries[];
};
