// Everything is filled rectangles, one band per pixel of shading: exact on a printer's device
// context as on a screen, and no pen or brush to scale.
#include "picture/scaled_resistor.h"

#include "framework/paint_helpers.h"
#include "model/ring_gradient.h"
#include "picture/resistor_picture.h"

#include <algorithm>
#include <optional>

namespace
{
constexpr RingRgb kLeadRgb{168, 168, 172};
constexpr COLORREF kOutline = RGB(96, 96, 96);

RECT ToRect(const LayoutBox& box)
{
    return {box.left, box.top, box.right, box.bottom};
}

// Light on the lit side (top of a lying resistor, left of an upright one), darker on the far side.
RingRgb Shaded(const RingRgb& rgb, int nStep, int nSteps)
{
    const double dLight = 1.18 - 0.42 * nStep / std::max(1, nSteps - 1);
    const auto scale = [dLight](std::uint8_t c)
    { return static_cast<std::uint8_t>(std::clamp(static_cast<int>(c * dLight), 0, 255)); };
    return {scale(rgb.red), scale(rgb.green), scale(rgb.blue)};
}

// The box in bands across its thickness, each band its shade.
void FillShaded(HDC hDC, const LayoutBox& box, bool bHorizontal, const RingRgb& rgb)
{
    const int nAcross = bHorizontal ? box.bottom - box.top : box.right - box.left;
    for (int i = 0; i < nAcross; ++i)
    {
        RECT rc = ToRect(box);
        if (bHorizontal)
        {
            rc.top = box.top + i;
            rc.bottom = rc.top + 1;
        }
        else
        {
            rc.left = box.left + i;
            rc.right = rc.left + 1;
        }
        FillSolidRect(hDC, rc, ToColorRef(Shaded(rgb, i, nAcross)));
    }
}

// The main picture's rule: each pass one step further from the lit edge, to the far edge.
void FillRing(HDC hDC, const LayoutBox& box, bool bHorizontal, const RingRgb& colour, bool bGradient)
{
    if (!bGradient)
    {
        FillSolidRect(hDC, ToRect(box), ToColorRef(colour));
        return;
    }
    const int nAcross = bHorizontal ? box.bottom - box.top : box.right - box.left;
    for (int pass = 0; pass < kRingGradientPasses; ++pass)
    {
        RECT rc = ToRect(box);
        (bHorizontal ? rc.top : rc.left) += RingPassOffset(nAcross, pass);
        FillSolidRect(hDC, rc, ToColorRef(RingGradientColour(colour, pass)));
    }
}

void FrameBox(HDC hDC, const LayoutBox& box, int nWidth)
{
    const RECT rc = ToRect(box);
    FillSolidRect(hDC, {rc.left, rc.top, rc.right, rc.top + nWidth}, kOutline);
    FillSolidRect(hDC, {rc.left, rc.bottom - nWidth, rc.right, rc.bottom}, kOutline);
    FillSolidRect(hDC, {rc.left, rc.top, rc.left + nWidth, rc.bottom}, kOutline);
    FillSolidRect(hDC, {rc.right - nWidth, rc.top, rc.right, rc.bottom}, kOutline);
}
} // namespace

void DrawScaledResistor(HDC hDC, const RECT& rcArea, const ResistorState& rings, bool bHorizontal,
                        bool bGradient)
{
    const ResistorLayout layout =
        LayOutResistor({rcArea.left, rcArea.top, rcArea.right, rcArea.bottom}, bHorizontal);
    if (layout.whole == LayoutBox{})
        return;
    FillShaded(hDC, layout.leads, bHorizontal, kLeadRgb);
    FillShaded(hDC, layout.caps[0], bHorizontal, kScaledBodyRgb);
    FillShaded(hDC, layout.caps[1], bHorizontal, kScaledBodyRgb);
    FillShaded(hDC, layout.body, bHorizontal, kScaledBodyRgb);
    const int nAcross =
        bHorizontal ? layout.body.bottom - layout.body.top : layout.body.right - layout.body.left;
    const int nOutline = std::max(1, nAcross / 40);
    for (size_t slot = 0; slot < kRingSlotCount; ++slot)
    {
        if (!IsRingShown(rings.ringMode, static_cast<int>(slot)))
            continue;
        const std::optional<RingRgb> colour = RingColour(static_cast<int>(slot), rings.positions[slot]);
        if (!colour)
            continue;
        FillRing(hDC, layout.rings[slot], bHorizontal, *colour, bGradient);
        if (IsCloseColour(*colour, kScaledBodyRgb))
            FrameBox(hDC, layout.rings[slot], nOutline);
    }
}
