// The quiz's resistor: the program's small exported picture, enlarged so that every ring can be
// told apart, in the middle of a white area.
#pragma once

#include "model/resistor_state.h"

#include <windows.h>

// Where the enlarged picture lies in an area: the largest whole scale (at least 1) at which the
// picture fits, centred.
struct CQuizPictureLayout
{
    int nScale;
    POINT ptOrigin;
};
CQuizPictureLayout QuizPictureLayout(const RECT& rcArea, SIZE pictureSize);

// The lying resistor with the rings the ring count shows; a ring without a colour (not chosen
// yet) is left out. The area is white around it, as the exported picture is.
void DrawQuizPicture(HDC hDC, const RECT& rcArea, const ResistorState& rings);
