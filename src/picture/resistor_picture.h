// The resistor picture of the main window: background, body, colour scales and the coloured
// rings, in the window's client coordinates, lying under vertical selectors or standing upright
// beside horizontal ones.
#pragma once

#include "model/picture_options.h"
#include "model/resistor_state.h"
#include "model/ring_colours.h"

#include <windows.h>

COLORREF ToColorRef(const RingRgb& rgb);
// Rectangle with the brush of crFill; the caller has selected the null pen.
void FillWithNullPen(HDC hDC, const RECT& rc, COLORREF crFill);

// Ring nBande (0 to 5) as Rectangle takes it: with the null pen it fills one column and one row
// less than the right and bottom coordinates say.
RECT RingRect(int nBande, bool bHorizontal);

// Paints ring nBande of the state. A ring that the ring count leaves out, or a position with no
// colour, leaves the area as it was.
void DrawRing(HDC hDC, int nBande, const ResistorState& state, bool bHorizontal, bool bGradient);

// The whole picture over the client rectangle, rings included.
void DrawResistorPicture(HDC hDC, const RECT& rcClient, const ResistorState& state,
                         const PictureOptions& options);
