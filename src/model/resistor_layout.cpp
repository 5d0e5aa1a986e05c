#include "model/resistor_layout.h"

#include <algorithm>
#include <cstdlib>

namespace
{
// Fractions of the resistor's length, from its first lead's end; the caps stand out of the body.
constexpr double kCapStart = 0.14;
constexpr double kCapEnd = 0.24;
// The thickness across, as a share of the length, and of the body's as a share of the caps'.
constexpr double kThickness = 0.26;
constexpr double kBodyShare = 0.82;
constexpr double kLeadShare = 0.10;
// Where each slot's ring starts along the length, and its width: the digits and the multiplier
// evenly spaced, the tolerance and the temperature ring set apart towards the far cap.
constexpr std::array<double, kRingSlotCount> kRingStarts = {0.28, 0.35, 0.42, 0.49, 0.60, 0.68};
constexpr double kRingWidth = 0.05;
// Below this length the parts would merge: nothing is laid out.
constexpr int kMinimumLength = 40;
// The main picture's rings are this many pixels thick, shaded one pixel a pass.
constexpr int kMainRingThickness = 63;

// One box of the layout from fractions along and offsets across the centre line.
LayoutBox Place(bool horizontal, int nStart, int nLength, double fromAlong, double toAlong, int nCentre,
                int nThickness)
{
    const int a = nStart + static_cast<int>(fromAlong * nLength + 0.5);
    const int b = std::max(a + 1, nStart + static_cast<int>(toAlong * nLength + 0.5));
    const int c = nCentre - nThickness / 2;
    const int d = c + std::max(1, nThickness);
    return horizontal ? LayoutBox{a, c, b, d} : LayoutBox{c, a, d, b};
}
} // namespace

ResistorLayout LayOutResistor(const LayoutBox& area, bool horizontal)
{
    const int nAreaAlong = horizontal ? area.right - area.left : area.bottom - area.top;
    const int nAreaAcross = horizontal ? area.bottom - area.top : area.right - area.left;
    int nLength = std::max(0, nAreaAlong);
    int nThickness = static_cast<int>(nLength * kThickness + 0.5);
    if (nThickness > nAreaAcross)
    {
        nThickness = std::max(0, nAreaAcross);
        nLength = static_cast<int>(nThickness / kThickness);
    }
    const int nStart = (horizontal ? area.left : area.top) + (nAreaAlong - nLength) / 2;
    const int nCentre = (horizontal ? area.top : area.left) + nAreaAcross / 2;
    const int nBody = static_cast<int>(nThickness * kBodyShare + 0.5);

    ResistorLayout layout;
    layout.horizontal = horizontal;
    if (nLength < kMinimumLength)
        return layout;
    layout.whole = Place(horizontal, nStart, nLength, 0.0, 1.0, nCentre, nThickness);
    layout.leads = Place(horizontal, nStart, nLength, 0.0, 1.0, nCentre,
                         std::max(1, static_cast<int>(nThickness * kLeadShare + 0.5)));
    layout.caps[0] = Place(horizontal, nStart, nLength, kCapStart, kCapEnd, nCentre, nThickness);
    layout.caps[1] = Place(horizontal, nStart, nLength, 1.0 - kCapEnd, 1.0 - kCapStart, nCentre, nThickness);
    layout.body = Place(horizontal, nStart, nLength, kCapEnd, 1.0 - kCapEnd, nCentre, nBody);
    for (size_t slot = 0; slot < kRingSlotCount; ++slot)
        layout.rings[slot] = Place(horizontal, nStart, nLength, kRingStarts[slot],
                                   kRingStarts[slot] + kRingWidth, nCentre, nBody);
    return layout;
}

int RingPassOffset(int thickness, int pass)
{
    return pass * thickness / kMainRingThickness;
}

bool IsCloseColour(const RingRgb& a, const RingRgb& b)
{
    const int nDistance = std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
    return nDistance < 180;
}
