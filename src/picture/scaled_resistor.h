// The resistor drawn at any size, on screen or on a printer: shaded body with its end caps,
// leads and rings, for the quiz and the label sheet. The main window's picture and the exported
// small picture keep their artwork; this drawing serves where a size of its own is needed.
#pragma once

#include "model/resistor_layout.h"
#include "model/resistor_state.h"

#include <windows.h>

// The body's beige, before its shading.
inline constexpr RingRgb kScaledBodyRgb{232, 208, 160};

// Draws into rcArea, keeping the resistor's proportions, centred; leaves the rest as it was.
// Rings the ring count leaves out, or with no colour chosen, show the body.
void DrawScaledResistor(HDC hDC, const RECT& rcArea, const ResistorState& rings, bool bHorizontal,
                        bool bGradient);
