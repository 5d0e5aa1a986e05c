#include "quiz/quiz_picture.h"

#include "framework/paint_helpers.h"
#include "picture/scaled_resistor.h"

RECT QuizResistorArea(const RECT& rcArea)
{
    const LONG nMargin = (rcArea.bottom - rcArea.top) / 10;
    return {rcArea.left + nMargin, rcArea.top + nMargin, rcArea.right - nMargin, rcArea.bottom - nMargin};
}

void DrawQuizPicture(HDC hDC, const RECT& rcArea, const ResistorState& rings)
{
    FillSolidRect(hDC, rcArea, RGB(255, 255, 255));
    DrawScaledResistor(hDC, QuizResistorArea(rcArea), rings, true, false);
}
