// The resistor drawn at any size, read back from memory pictures: each ring's middle in its
// colour (flat, or by the main picture's shading rule), the parts joined without a gap along
// the resistor, and the same at a page's size at 300 dpi.
#include "canvas.h"

#include "model/ring_gradient.h"
#include "picture/resistor_picture.h"
#include "picture/scaled_resistor.h"

#include <gtest/gtest.h>

namespace
{
constexpr COLORREF kMarker = RGB(1, 2, 3);
// Red, orange, yellow, green, blue, violet on the six places: none close to the body.
const ResistorState kRings{kRingMode6, {3, 4, 5, 6, 3, 5}};

struct SizeCase
{
    int nWidth;
    int nHeight;
};

class ScaledResistorTest : public ::testing::TestWithParam<SizeCase>
{
};

TEST_P(ScaledResistorTest, RingsInPlaceAndNoGapAlongTheResistor)
{
    const SizeCase& c = GetParam();
    for (bool bHorizontal : {true, false})
    {
        for (bool bGradient : {false, true})
        {
            SCOPED_TRACE(testing::Message()
                         << c.nWidth << "x" << c.nHeight << (bHorizontal ? " lying" : " upright")
                         << (bGradient ? " shaded" : " flat"));
            const int nW = bHorizontal ? c.nWidth : c.nHeight;
            const int nH = bHorizontal ? c.nHeight : c.nWidth;
            CCanvas canvas(nW, nH, kMarker);
            DrawScaledResistor(canvas.dc(), {0, 0, nW, nH}, kRings, bHorizontal, bGradient);
            const ResistorLayout layout = LayOutResistor({0, 0, nW, nH}, bHorizontal);
            ASSERT_NE(layout.whole, LayoutBox{});
            for (size_t slot = 0; slot < kRingSlotCount; ++slot)
            {
                const LayoutBox& ring = layout.rings[slot];
                const RingRgb colour = *RingColour(static_cast<int>(slot), kRings.positions[slot]);
                const int nAcross = bHorizontal ? ring.bottom - ring.top : ring.right - ring.left;
                const auto at = [&](int nOffset)
                {
                    const int along =
                        bHorizontal ? (ring.left + ring.right) / 2 : (ring.top + ring.bottom) / 2;
                    return bHorizontal ? canvas.Pixel(along, ring.top + nOffset)
                                       : canvas.Pixel(ring.left + nOffset, along);
                };
                if (!bGradient)
                {
                    EXPECT_EQ(at(nAcross / 2), ToColorRef(colour)) << slot;
                    continue;
                }
                // At the lit edge the last pass that starts there (light grey once the ring is as
                // thick as the main picture's), the last pass's colour at the far edge.
                int nLitPass = 0;
                while (nLitPass + 1 < kRingGradientPasses && RingPassOffset(nAcross, nLitPass + 1) == 0)
                    ++nLitPass;
                EXPECT_EQ(at(0), ToColorRef(RingGradientColour(colour, nLitPass))) << slot;
                EXPECT_EQ(at(nAcross - 1), ToColorRef(RingGradientColour(colour, kRingGradientPasses - 1)))
                    << slot;
            }
            // Along the centre line, from one lead's end to the other's, nothing of the background.
            const int nCentre = bHorizontal ? (layout.leads.top + layout.leads.bottom) / 2
                                            : (layout.leads.left + layout.leads.right) / 2;
            const int nFrom = bHorizontal ? layout.whole.left : layout.whole.top;
            const int nTo = bHorizontal ? layout.whole.right : layout.whole.bottom;
            int nGaps = 0;
            for (int i = nFrom; i < nTo; ++i)
                nGaps +=
                    (bHorizontal ? canvas.Pixel(i, nCentre) : canvas.Pixel(nCentre, i)) == kMarker ? 1 : 0;
            EXPECT_EQ(nGaps, 0);
            // Outside the resistor the picture is left as it was.
            EXPECT_EQ(canvas.Pixel(0, 0), kMarker);
        }
    }
}

// A label at 300 dpi is some 600 pixels long; a page width some 2 480.
INSTANTIATE_TEST_SUITE_P(Sizes, ScaledResistorTest,
                         ::testing::Values(SizeCase{80, 34}, SizeCase{200, 60}, SizeCase{410, 110},
                                           SizeCase{640, 240}, SizeCase{2480, 700}));

// Grey and white rings on the beige body get an outline; the ring's middle keeps its colour.
TEST(ScaledResistor, PaleRingsAreOutlined)
{
    const ResistorState rings{kRingMode4, {9, 10, 1, 9, 1, 1}};
    CCanvas canvas(400, 120, kMarker);
    DrawScaledResistor(canvas.dc(), {0, 0, 400, 120}, rings, true, false);
    const ResistorLayout layout = LayOutResistor({0, 0, 400, 120}, true);
    for (size_t slot : {size_t{0}, size_t{1}})
    {
        const LayoutBox& ring = layout.rings[slot];
        const COLORREF crRing = ToColorRef(*RingColour(static_cast<int>(slot), rings.positions[slot]));
        EXPECT_EQ(canvas.Pixel((ring.left + ring.right) / 2, (ring.top + ring.bottom) / 2), crRing) << slot;
        EXPECT_NE(canvas.Pixel(ring.left, (ring.top + ring.bottom) / 2), crRing) << slot;
    }
}
} // namespace
