// The quiz's resistor painted into memory: the whole scale that fits, the ring colours where the
// enlarged rings lie, and the body where a ring is not shown or not chosen.
#include "quiz/quiz_picture.h"

#include "canvas.h"
#include "picture/resistor_export.h"
#include "picture/resistor_picture.h"
#include "model/ring_colours.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace
{
constexpr SIZE kSmall{80, 34};

TEST(QuizPictureLayout, LargestWholeScaleCentred)
{
    const struct
    {
        RECT rcArea;
        int nScale;
        POINT ptOrigin;
    } cases[] = {
        {{0, 0, 80, 34}, 1, {0, 0}},       {{0, 0, 400, 110}, 3, {80, 4}},
        {{0, 0, 400, 136}, 4, {40, 0}},    // exactly four times as high
        {{0, 0, 400, 135}, 3, {80, 16}},   // one pixel short
        {{10, 20, 330, 156}, 4, {10, 20}}, // exactly four times, moved
        {{0, 0, 40, 20}, 1, {-20, -7}},    // too small: centred, cut on both sides
        {{0, 0, 0, 0}, 1, {-40, -17}},
    };
    for (const auto& c : cases)
    {
        const CQuizPictureLayout layout = QuizPictureLayout(c.rcArea, kSmall);
        EXPECT_EQ(layout.nScale, c.nScale) << c.rcArea.right << "x" << c.rcArea.bottom;
        EXPECT_EQ(layout.ptOrigin.x, c.ptOrigin.x) << c.rcArea.right << "x" << c.rcArea.bottom;
        EXPECT_EQ(layout.ptOrigin.y, c.ptOrigin.y) << c.rcArea.right << "x" << c.rcArea.bottom;
    }
    EXPECT_EQ(QuizPictureLayout({0, 0, 100, 100}, {0, 0}).nScale, 1);
}

// The middle of ring nBande once enlarged.
POINT RingCentre(const CQuizPictureLayout& layout, int nBande)
{
    const RECT rc = ExportRingRect(nBande, true);
    // The ring covers one column and one row less than its rectangle says.
    return {layout.ptOrigin.x + (rc.left + rc.right - 1) * layout.nScale / 2,
            layout.ptOrigin.y + (rc.top + rc.bottom - 1) * layout.nScale / 2};
}

TEST(DrawQuizPicture, RingsInTheirColoursTheRestAsTheArtwork)
{
    const CResourcePicture artwork(IDB_SMALL_LYING);
    ASSERT_TRUE(artwork.IsLoaded());
    const RECT rcArea{0, 0, 410, 110};
    const CQuizPictureLayout layout = QuizPictureLayout(rcArea, kSmall);
    ASSERT_EQ(layout.nScale, 3);
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
        for (int nBande = 0; nBande < 6; ++nBande)
        {
            SCOPED_TRACE(testing::Message() << "mode " << c.rings.ringMode << ", ring " << nBande);
            const POINT pt = RingCentre(layout, nBande);
            const RECT rc = ExportRingRect(nBande, true);
            const COLORREF crArtwork =
                artwork.Pixel((rc.left + rc.right - 1) / 2, (rc.top + rc.bottom - 1) / 2);
            const COLORREF crExpected =
                c.shown[nBande]
                    ? ToColorRef(*RingColour(nBande, c.rings.positions[static_cast<size_t>(nBande)]))
                    : crArtwork;
            EXPECT_EQ(canvas.Pixel(pt.x, pt.y), crExpected);
            // Whole pixels: the ring's first and last enlarged columns are its colour too.
            EXPECT_EQ(canvas.Pixel(layout.ptOrigin.x + rc.left * layout.nScale, pt.y), crExpected);
            EXPECT_EQ(canvas.Pixel(layout.ptOrigin.x + (rc.right - 1) * layout.nScale - 1, pt.y), crExpected);
        }
    }
}
} // namespace
