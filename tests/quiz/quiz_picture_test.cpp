// The quiz's resistor painted into memory: large, in the middle of its white area, the ring colours
// where the rings lie, the body where a ring is not shown or not chosen.
#include "quiz/quiz_picture.h"

#include "canvas.h"
#include "model/resistor_layout.h"
#include "model/ring_colours.h"
#include "picture/resistor_picture.h"

#include <gtest/gtest.h>

namespace
{
POINT Centre(const LayoutBox& box)
{
    return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

TEST(DrawQuizPicture, RingsInTheirColoursTheBodyElsewhere)
{
    const RECT rcArea{0, 0, 410, 110};
    const RECT rcResistor = QuizResistorArea(rcArea);
    const ResistorLayout layout =
        LayOutResistor({rcResistor.left, rcResistor.top, rcResistor.right, rcResistor.bottom}, true);
    // Large: the resistor takes most of the area's width.
    ASSERT_GT(layout.whole.right - layout.whole.left, 300);
    const struct
    {
        ResistorState rings;
        bool shown[6];
    } cases[] = {
        {{kRingMode4, {5, 8, 3, 5, 2, 1}}, {true, true, false, true, true, false}},
        {{kRingMode5, {2, 1, 10, 9, 6, 1}}, {true, true, true, true, true, false}},
        {{kRingMode6, {10, 10, 10, 1, 8, 7}}, {true, true, true, true, true, true}},
        // Rings not chosen yet: no colour.
        {{kRingMode6, {5, 0, 0, 5, 0, 3}}, {true, false, false, true, false, true}},
    };
    for (const auto& c : cases)
    {
        CCanvas canvas(rcArea.right, rcArea.bottom, RGB(1, 2, 3));
        DrawQuizPicture(canvas.dc(), rcArea, c.rings);
        EXPECT_EQ(canvas.Pixel(0, 0), RGB(255, 255, 255));
        EXPECT_EQ(canvas.Pixel(rcArea.right - 1, rcArea.bottom - 1), RGB(255, 255, 255));
        // The body between the multiplier and the tolerance ring, shaded only across.
        const int xBody = (layout.rings[3].right + layout.rings[4].left) / 2;
        for (int nBande = 0; nBande < 6; ++nBande)
        {
            SCOPED_TRACE(testing::Message() << "mode " << c.rings.ringMode << ", ring " << nBande);
            const LayoutBox& ring = layout.rings[static_cast<size_t>(nBande)];
            const POINT pt = Centre(ring);
            if (!c.shown[nBande])
            {
                EXPECT_EQ(canvas.Pixel(pt.x, pt.y), canvas.Pixel(xBody, pt.y));
                continue;
            }
            const COLORREF crRing =
                ToColorRef(*RingColour(nBande, c.rings.positions[static_cast<size_t>(nBande)]));
            EXPECT_EQ(canvas.Pixel(pt.x, pt.y), crRing);
            // Flat across the ring, up to its edges (an outline excepted).
            EXPECT_EQ(canvas.Pixel(pt.x, ring.top + 3), crRing);
            EXPECT_EQ(canvas.Pixel(pt.x, ring.bottom - 4), crRing);
        }
    }
}
} // namespace
