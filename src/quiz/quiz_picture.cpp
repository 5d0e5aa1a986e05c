// The quiz's resistor, drawn from the exported picture with whole-pixel enlargement.
#include "quiz/quiz_picture.h"

#include "framework/handles.h"
#include "framework/paint_helpers.h"
#include "framework/scopes.h"
#include "picture/resistor_export.h"

#include <algorithm>

CQuizPictureLayout QuizPictureLayout(const RECT& rcArea, SIZE pictureSize)
{
    const LONG nWidth = rcArea.right - rcArea.left;
    const LONG nHeight = rcArea.bottom - rcArea.top;
    LONG nScale = 1;
    if (pictureSize.cx > 0 && pictureSize.cy > 0)
        nScale = std::max(1L, std::min(nWidth / pictureSize.cx, nHeight / pictureSize.cy));
    return {static_cast<int>(nScale),
            {rcArea.left + (nWidth - pictureSize.cx * nScale) / 2,
             rcArea.top + (nHeight - pictureSize.cy * nScale) / 2}};
}

void DrawQuizPicture(HDC hDC, const RECT& rcArea, const ResistorState& rings)
{
    FillSolidRect(hDC, rcArea, RGB(255, 255, 255));
    CBitmapHandle picture = RenderResistorPicture(hDC, rings, true);
    BITMAP bm{};
    if (!picture || ::GetObjectA(picture.get(), sizeof bm, &bm) == 0)
        return;
    CMemoryDCHandle pictureDC(::CreateCompatibleDC(hDC));
    if (!pictureDC)
        return;
    CSelectObject selectPicture(pictureDC.get(), picture.get());
    const CQuizPictureLayout layout = QuizPictureLayout(rcArea, {bm.bmWidth, bm.bmHeight});
    // Whole pixels copied, not blended: the rings keep their exact colours and sharp edges.
    const int nOldMode = ::SetStretchBltMode(hDC, COLORONCOLOR);
    ::StretchBlt(hDC, layout.ptOrigin.x, layout.ptOrigin.y, bm.bmWidth * layout.nScale,
                 bm.bmHeight * layout.nScale, pictureDC.get(), 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
    ::SetStretchBltMode(hDC, nOldMode);
}
