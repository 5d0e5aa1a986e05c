// The small exported resistor: its artwork matches these ring places.
#include "picture/resistor_export.h"

#include "framework/scopes.h"
#include "picture/resistor_picture.h"
#include "res/resource.h"

#include <array>
#include <optional>

namespace
{
// Where each ring starts along the resistor; every ring is 5 long and 23 across.
constexpr std::array<int, kRingSlotCount> kRingStart = {18, 25, 32, 39, 46, 53};
constexpr int kRingLength = 5;
constexpr int kLyingAcrossStart = 4;
constexpr int kUprightAcrossStart = 8;
constexpr int kRingAcross = 23;
} // namespace

RECT ExportRingRect(int nBande, bool bHorizontal)
{
    const int along = kRingStart[static_cast<size_t>(nBande)];
    if (bHorizontal)
        return {along, kLyingAcrossStart, along + kRingLength, kLyingAcrossStart + kRingAcross};
    return {kUprightAcrossStart, along, kUprightAcrossStart + kRingAcross, along + kRingLength};
}

CBitmapHandle RenderResistorPicture(HDC hReference, const ResistorState& state, bool bHorizontal)
{
    // The artwork is the program's own, whatever language library is in force.
    CBitmapHandle picture(::LoadBitmapA(::GetModuleHandleA(nullptr),
                                        MAKEINTRESOURCEA(bHorizontal ? IDB_SMALL_LYING : IDB_SMALL_UPRIGHT)));
    if (!picture)
        return {};
    CMemoryDCHandle dc(::CreateCompatibleDC(hReference));
    if (!dc)
        return {};
    {
        CSelectObject selectPicture(dc.get(), picture.get());
        CSelectObject selectPen(dc.get(), ::GetStockObject(NULL_PEN));
        for (int nBande = 0; nBande < static_cast<int>(kRingSlotCount); ++nBande)
        {
            if (!IsRingShown(state.ringMode, nBande))
                continue;
            const std::optional<RingRgb> colour =
                RingColour(nBande, state.positions[static_cast<size_t>(nBande)]);
            if (colour)
                FillWithNullPen(dc.get(), ExportRingRect(nBande, bHorizontal), ToColorRef(*colour));
        }
    }
    return picture;
}
