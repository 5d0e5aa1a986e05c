// Transparent bitmaps by a mask: the picture is XORed in, the mask clears its opaque part, and
// a second XOR leaves the picture there and the target untouched elsewhere.
#include "picture/transparent_bitmap.h"

#include "framework/handles.h"
#include "picture/picture_cache.h"
#include "framework/scopes.h"

void DrawTransparentBitmap(HDC hDC, int x, int y, UINT nIDBitmap, COLORREF crTransparent)
{
    const HBITMAP hPicture = GetArtworkBitmap(nIDBitmap);
    const HBITMAP hMask = GetArtworkMask(nIDBitmap, crTransparent);
    BITMAP bm{};
    if (hPicture == nullptr || hMask == nullptr || ::GetObjectA(hPicture, sizeof(bm), &bm) == 0)
        return;
    CMemoryDCHandle pictureDC(::CreateCompatibleDC(hDC));
    CMemoryDCHandle maskDC(::CreateCompatibleDC(hDC));
    if (!pictureDC || !maskDC)
        return;
    CSelectObject selectPicture(pictureDC.get(), hPicture);
    CSelectObject selectMask(maskDC.get(), hMask);

    // Monochrome to colour takes the target's colours: 1 its background, 0 its text colour.
    CDCColors colors(hDC, RGB(0, 0, 0), RGB(255, 255, 255));
    ::BitBlt(hDC, x, y, bm.bmWidth, bm.bmHeight, pictureDC.get(), 0, 0, SRCINVERT);
    ::BitBlt(hDC, x, y, bm.bmWidth, bm.bmHeight, maskDC.get(), 0, 0, SRCAND);
    ::BitBlt(hDC, x, y, bm.bmWidth, bm.bmHeight, pictureDC.get(), 0, 0, SRCINVERT);
}
