// Trackbar messages behind the slider wrapper.
#include "framework/slider_ctrl.h"

#include <commctrl.h>

void CSliderCtrl::SetRange(int nMin, int nMax)
{
    ::SendMessageA(m_hWnd, TBM_SETRANGEMIN, FALSE, nMin);
    ::SendMessageA(m_hWnd, TBM_SETRANGEMAX, TRUE, nMax);
}

void CSliderCtrl::SetPos(int nPos)
{
    ::SendMessageA(m_hWnd, TBM_SETPOS, TRUE, nPos);
}

int CSliderCtrl::GetPos() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, TBM_GETPOS, 0, 0));
}

RECT CSliderCtrl::GetThumbRect() const
{
    RECT rcThumb{};
    ::SendMessageA(m_hWnd, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&rcThumb));
    return rcThumb;
}
