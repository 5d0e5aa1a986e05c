// The quiz's resistor: drawn large and shaded in the middle of a white area.
#pragma once

#include "model/resistor_state.h"

#include <windows.h>

// A margin of the area's height all round, so the leads do not touch the frame.
RECT QuizResistorArea(const RECT& rcArea);

// The lying resistor with the rings the ring count shows; a ring without a colour (not chosen
// yet) shows the body. The rings are flat, so that their colours can be read exactly.
void DrawQuizPicture(HDC hDC, const RECT& rcArea, const ResistorState& rings);
