// A combination drawn as a diagram: its resistors as boxes, wired in series and in parallel as
// its arrangement says, each with its value below.
#pragma once

#include "model/combination_arrangement.h"

#include <windows.h>

#include <span>

// On the window colour, the drawing as large as it fits in rc and centred; the slot nHighlight
// (none when out of range) in the highlight colour, the others in the window's text colour.
void DrawArrangement(HDC hDC, const RECT& rc, Arrangement arrangement, std::span<const double> slotOhms,
                     int nHighlight);
