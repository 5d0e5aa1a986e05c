// The resistor drawn at any size: its parts stay in place and in proportion for every area,
// lying or upright, from a small label to a page at printer resolution.
#include "model/resistor_layout.h"

#include <gtest/gtest.h>

namespace
{
int Along(const LayoutBox& b, bool horizontal, bool bEnd)
{
    return horizontal ? (bEnd ? b.right : b.left) : (bEnd ? b.bottom : b.top);
}
int Across(const LayoutBox& b, bool horizontal, bool bEnd)
{
    return horizontal ? (bEnd ? b.bottom : b.top) : (bEnd ? b.right : b.left);
}
bool Inside(const LayoutBox& inner, const LayoutBox& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

TEST(ResistorLayout, PartsStayInPlaceAtEverySize)
{
    const LayoutBox areas[] = {
        {0, 0, 80, 34},    {0, 0, 40, 12},  {10, 20, 410, 130},  {0, 0, 600, 600},
        {0, 0, 2400, 700}, {5, 5, 45, 300}, {-50, -20, 250, 60},
    };
    for (const LayoutBox& area : areas)
    {
        for (bool horizontal : {true, false})
        {
            SCOPED_TRACE(testing::Message() << area.right - area.left << "x" << area.bottom - area.top
                                            << (horizontal ? " lying" : " upright"));
            const ResistorLayout l = LayOutResistor(area, horizontal);
            // An upright resistor in a flat label, or the reverse, may be too short to draw.
            if (l.whole == LayoutBox{})
            {
                EXPECT_LT(horizontal ? area.right - area.left : area.bottom - area.top, 160);
                continue;
            }
            EXPECT_TRUE(Inside(l.whole, area));
            EXPECT_TRUE(Inside(l.leads, l.whole));
            EXPECT_EQ(Along(l.leads, horizontal, false), Along(l.whole, horizontal, false));
            EXPECT_EQ(Along(l.leads, horizontal, true), Along(l.whole, horizontal, true));
            // Lead, cap, body, cap, lead follow each other without a gap.
            EXPECT_EQ(Along(l.caps[0], horizontal, true), Along(l.body, horizontal, false));
            EXPECT_EQ(Along(l.body, horizontal, true), Along(l.caps[1], horizontal, false));
            EXPECT_TRUE(Inside(l.caps[0], l.whole) && Inside(l.caps[1], l.whole));
            EXPECT_TRUE(Inside(l.body, l.whole));
            int nPreviousEnd = Along(l.body, horizontal, false);
            for (size_t slot = 0; slot < kRingSlotCount; ++slot)
            {
                const LayoutBox& ring = l.rings[slot];
                EXPECT_TRUE(Inside(ring, l.body)) << slot;
                EXPECT_EQ(Across(ring, horizontal, false), Across(l.body, horizontal, false)) << slot;
                EXPECT_EQ(Across(ring, horizontal, true), Across(l.body, horizontal, true)) << slot;
                EXPECT_GE(Along(ring, horizontal, false), nPreviousEnd) << slot;
                EXPECT_GT(Along(ring, horizontal, true), Along(ring, horizontal, false)) << slot;
                nPreviousEnd = Along(ring, horizontal, true);
            }
        }
    }
}

TEST(ResistorLayout, TooSmallAnAreaDrawsNothing)
{
    for (const LayoutBox& area : {LayoutBox{0, 0, 3, 3}, LayoutBox{0, 0, 39, 100}, LayoutBox{0, 0, 200, 9}})
    {
        const ResistorLayout l = LayOutResistor(area, true);
        EXPECT_EQ(l.whole, LayoutBox{});
        EXPECT_EQ(l.rings[0], LayoutBox{});
    }
}

// The same resistor twice as large: every part twice as far from the corner, within rounding.
TEST(ResistorLayout, ScalesInProportion)
{
    for (bool horizontal : {true, false})
    {
        const ResistorLayout small = LayOutResistor({0, 0, 300, 300}, horizontal);
        const ResistorLayout large = LayOutResistor({0, 0, 600, 600}, horizontal);
        for (size_t slot = 0; slot < kRingSlotCount; ++slot)
        {
            EXPECT_NEAR(Along(large.rings[slot], horizontal, false),
                        2 * Along(small.rings[slot], horizontal, false), 2);
            EXPECT_NEAR(Along(large.rings[slot], horizontal, true),
                        2 * Along(small.rings[slot], horizontal, true), 2);
        }
        EXPECT_NEAR(Across(large.body, horizontal, true) - Across(large.body, horizontal, false),
                    2 * (Across(small.body, horizontal, true) - Across(small.body, horizontal, false)), 2);
    }
}

TEST(ResistorLayout, ShadingKeepsTheMainPicturesSteps)
{
    for (int pass : {0, 1, 25, 50})
        EXPECT_EQ(RingPassOffset(63, pass), pass);
    EXPECT_EQ(RingPassOffset(126, 50), 100);
    EXPECT_EQ(RingPassOffset(10, 50), 7);
    int nPrevious = 0;
    for (int pass = 0; pass <= 50; ++pass)
    {
        EXPECT_GE(RingPassOffset(300, pass), nPrevious);
        nPrevious = RingPassOffset(300, pass);
    }
}

// On a beige body grey and white rings need an outline; silver and the strong colours do not.
TEST(ResistorLayout, PaleRingsOnAPaleBodyAreClose)
{
    const RingRgb body{232, 208, 160};
    const struct
    {
        RingRgb ring;
        bool close;
    } cases[] = {
        {{224, 224, 224}, true}, {{255, 255, 255}, true}, {{232, 208, 160}, true}, {{128, 128, 128}, false},
        {{192, 192, 0}, false},  {{0, 0, 0}, false},      {{255, 0, 0}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsCloseColour(c.ring, body), c.close) << int{c.ring.red} << "," << int{c.ring.green};
}
} // namespace
