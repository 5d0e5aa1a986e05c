// A trackbar of a dialog template, attached by subclassing: its range, thumb position and place.
#pragma once

#include "framework/wnd.h"

class CSliderCtrl : public CWnd
{
public:
    void SetRange(int nMin, int nMax);
    // The control clamps the position to its range and notifies nobody.
    void SetPos(int nPos);
    int GetPos() const;
    RECT GetThumbRect() const;
};
