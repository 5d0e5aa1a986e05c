// Colour and fill helpers that the drawn looks share (side bar, menus).
#pragma once

#include <windows.h>

// Each channel moved toward white by the fraction; a fraction outside (0, 1] changes nothing.
COLORREF LightenColor(COLORREF crColor, double dFraction);

void FillSolidRect(HDC hDC, const RECT& rc, COLORREF crFill);
