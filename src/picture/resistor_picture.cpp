// Painting of the resistor: every position here matches the artwork's layout, so that the rings
// fall on the body and each scale stands beside its selector.
#include "picture/resistor_picture.h"

#include "framework/handles.h"
#include "framework/scopes.h"
#include "picture/picture_cache.h"
#include "picture/transparent_bitmap.h"
#include "model/ring_colours.h"
#include "model/ring_gradient.h"
#include "res/resource.h"

#include <array>
#include <optional>

namespace
{
// Where each ring starts along the resistor, for the lying and the upright body.
constexpr std::array<int, kRingSlotCount> kRingStartLying = {50, 90, 130, 166, 214, 260};
constexpr std::array<int, kRingSlotCount> kRingStartUpright = {50, 90, 130, 160, 204, 253};
// Across the resistor every ring runs from 10 to 73; its length along it is 15.
constexpr int kRingAcrossStart = 10;
constexpr int kRingAcrossEnd = 73;
constexpr int kRingLength = 15;

constexpr COLORREF kBodyTransparent = RGB(255, 255, 255);
constexpr COLORREF kScaleTransparent = RGB(192, 192, 192);

struct PlacedBitmap
{
    UINT nID;
    int x;
    int y;
    COLORREF crTransparent;
    // Drawn when this slot's ring is shown: the temperature scale only with six rings.
    int nSlot;
};

constexpr PlacedBitmap kLyingPictures[] = {
    {IDB_BODY_LYING, 1, 1, kBodyTransparent, kSlotFirstDigit},
    {IDB_SCALE_DIGIT_UPRIGHT, 50, 97, kScaleTransparent, kSlotFirstDigit},
    {IDB_SCALE_MULTIPLIER_UPRIGHT, 166, 97, kScaleTransparent, kSlotMultiplier},
    {IDB_SCALE_TOLERANCE_UPRIGHT, 214, 97, kScaleTransparent, kSlotTolerance},
    {IDB_SCALE_TEMPCO_UPRIGHT, 260, 97, kScaleTransparent, kSlotTempCo},
};
constexpr PlacedBitmap kUprightPictures[] = {
    {IDB_BODY_UPRIGHT, 1, 1, kBodyTransparent, kSlotFirstDigit},
    {IDB_SCALE_DIGIT_LYING, 95, 52, kScaleTransparent, kSlotFirstDigit},
    {IDB_SCALE_MULTIPLIER_LYING, 95, 164, kScaleTransparent, kSlotMultiplier},
    {IDB_SCALE_TOLERANCE_LYING, 95, 208, kScaleTransparent, kSlotTolerance},
    {IDB_SCALE_TEMPCO_LYING, 95, 257, kScaleTransparent, kSlotTempCo},
};

HBITMAP GetBackground(const std::string& strBackground)
{
    if (strBackground.empty())
        return nullptr;
    if (strBackground == kDefaultBackground)
        return GetArtworkBitmap(IDB_BACKGROUND);
    return GetBackgroundFileBitmap(strBackground);
}

// Unscaled at the top-left corner; a file that is missing or not a bitmap draws nothing.
void DrawBackground(HDC hDC, const std::string& strBackground)
{
    HBITMAP hPicture = GetBackground(strBackground);
    BITMAP bm{};
    if (hPicture == nullptr || ::GetObjectA(hPicture, sizeof(bm), &bm) == 0)
        return;
    CMemoryDCHandle pictureDC(::CreateCompatibleDC(hDC));
    if (!pictureDC)
        return;
    CSelectObject selectPicture(pictureDC.get(), hPicture);
    ::BitBlt(hDC, 0, 0, bm.bmWidth, bm.bmHeight, pictureDC.get(), 0, 0, SRCCOPY);
}
} // namespace

COLORREF ToColorRef(const RingRgb& rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

void FillWithNullPen(HDC hDC, const RECT& rc, COLORREF crFill)
{
    CBrushHandle brush(::CreateSolidBrush(crFill));
    CSelectObject selectBrush(hDC, brush.get());
    ::Rectangle(hDC, rc.left, rc.top, rc.right, rc.bottom);
}

RECT RingRect(int nBande, bool bHorizontal)
{
    if (bHorizontal)
    {
        const int x = kRingStartLying[static_cast<size_t>(nBande)];
        return {x, kRingAcrossStart, x + kRingLength, kRingAcrossEnd};
    }
    const int y = kRingStartUpright[static_cast<size_t>(nBande)];
    return {kRingAcrossStart, y, kRingAcrossEnd, y + kRingLength};
}

void DrawRing(HDC hDC, int nBande, const ResistorState& state, bool bHorizontal, bool bGradient)
{
    if (nBande < 0 || nBande >= static_cast<int>(kRingSlotCount) || !IsRingShown(state.ringMode, nBande))
        return;
    const std::optional<RingRgb> colour = RingColour(nBande, state.positions[static_cast<size_t>(nBande)]);
    if (!colour)
        return;
    const RECT rcRing = RingRect(nBande, bHorizontal);
    CSelectObject selectPen(hDC, ::GetStockObject(NULL_PEN));
    if (!bGradient)
    {
        FillWithNullPen(hDC, rcRing, ToColorRef(*colour));
        return;
    }
    // Each pass starts one step further from the lit edge (the top of a lying ring, the left of
    // an upright one) and covers the ring to its far edge, so the passes overlap.
    const int nStep = (kRingAcrossEnd - kRingAcrossStart) / (kRingGradientPasses - 1);
    for (int i = 0; i < kRingGradientPasses; ++i)
    {
        RECT rcPass = rcRing;
        (bHorizontal ? rcPass.top : rcPass.left) += nStep * i;
        FillWithNullPen(hDC, rcPass, ToColorRef(RingGradientColour(*colour, i)));
    }
}

void DrawResistorPicture(HDC hDC, const RECT& rcClient, const ResistorState& state,
                         const PictureOptions& options)
{
    ::FillRect(hDC, &rcClient, ::GetSysColorBrush(COLOR_BTNFACE));
    DrawBackground(hDC, options.background);
    for (const PlacedBitmap& placed : options.horizontal ? kLyingPictures : kUprightPictures)
    {
        if (IsRingShown(state.ringMode, placed.nSlot))
            DrawTransparentBitmap(hDC, placed.x, placed.y, placed.nID, placed.crTransparent);
    }
    for (int nBande = 0; nBande < static_cast<int>(kRingSlotCount); ++nBande)
        DrawRing(hDC, nBande, state, options.horizontal, options.gradient);
}
