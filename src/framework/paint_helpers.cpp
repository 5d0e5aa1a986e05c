// Colour and fill helpers.
#include "framework/paint_helpers.h"

#include "framework/handles.h"

COLORREF LightenColor(COLORREF crColor, double dFraction)
{
    if (!(dFraction > 0.0 && dFraction <= 1.0))
        return crColor;
    auto lighten = [dFraction](BYTE x) { return static_cast<BYTE>(x + (255 - x) * dFraction); };
    return RGB(lighten(GetRValue(crColor)), lighten(GetGValue(crColor)), lighten(GetBValue(crColor)));
}

void FillSolidRect(HDC hDC, const RECT& rc, COLORREF crFill)
{
    CBrushHandle brush(::CreateSolidBrush(crFill));
    ::FillRect(hDC, &rc, brush.get());
}
