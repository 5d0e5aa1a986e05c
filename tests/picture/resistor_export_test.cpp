// The exported picture and the printed pages, drawn into memory: flat rings on the small
// resistor's artwork, and pages that carry the text or the picture where the printer gets them.
#include "canvas.h"

#include "framework/scopes.h"
#include "picture/print_job.h"
#include "picture/resistor_export.h"
#include "picture/resistor_picture.h"
#include "model/ring_colours.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// 4,7 kOhms at 5 % and 100 ppm: yellow, violet, (black), red, gold, brown.
ResistorState State(int ringMode)
{
    ResistorState state;
    state.ringMode = ringMode;
    state.positions = {5, 8, 1, 5, 2, 1};
    return state;
}

COLORREF Colour(const ResistorState& state, int slot)
{
    return ToColorRef(RingColour(slot, state.positions[static_cast<size_t>(slot)]).value());
}

class CPictureReader
{
public:
    explicit CPictureReader(HBITMAP hBitmap)
        : m_dc(::CreateCompatibleDC(nullptr)), m_select(m_dc.get(), hBitmap)
    {
    }
    COLORREF Pixel(int x, int y) const { return ::GetPixel(m_dc.get(), x, y); }

private:
    CMemoryDCHandle m_dc;
    CSelectObject m_select;
};

struct RingCase
{
    int ringMode;
    bool shown[6];
};

const RingCase kRingCases[] = {
    {kRingMode4, {true, true, false, true, true, false}},
    {kRingMode5, {true, true, true, true, true, false}},
    {kRingMode6, {true, true, true, true, true, true}},
};

TEST(ResistorExportTest, RingsAreFlatAndLeaveTheirPlaceEmptyWhenNotShown)
{
    for (bool bHorizontal : {true, false})
    {
        const CResourcePicture artwork(bHorizontal ? IDB_SMALL_LYING : IDB_SMALL_UPRIGHT);
        ASSERT_TRUE(artwork.IsLoaded());
        for (const RingCase& c : kRingCases)
        {
            SCOPED_TRACE(testing::Message() << "horizontal " << bHorizontal << ", mode " << c.ringMode);
            const ResistorState state = State(c.ringMode);
            CBitmapHandle picture = RenderResistorPicture(nullptr, state, bHorizontal);
            ASSERT_TRUE(picture);
            BITMAP bm{};
            ::GetObjectA(picture.get(), sizeof bm, &bm);
            EXPECT_EQ(bm.bmWidth, bHorizontal ? 80 : 34);
            EXPECT_EQ(bm.bmHeight, bHorizontal ? 34 : 80);
            const CPictureReader reader(picture.get());
            for (int slot = 0; slot < 6; ++slot)
            {
                const RECT rc = ExportRingRect(slot, bHorizontal);
                // Rectangle with the null pen fills one column and one row less.
                for (const POINT& pt : {POINT{rc.left, rc.top}, POINT{rc.right - 2, rc.bottom - 2}})
                {
                    const COLORREF expected = c.shown[slot] ? Colour(state, slot) : artwork.Pixel(pt.x, pt.y);
                    EXPECT_EQ(reader.Pixel(pt.x, pt.y), expected) << "ring " << slot + 1;
                }
                for (const POINT& pt : {POINT{rc.right - 1, rc.top}, POINT{rc.left, rc.bottom - 1}})
                    EXPECT_EQ(reader.Pixel(pt.x, pt.y), artwork.Pixel(pt.x, pt.y)) << "ring " << slot + 1;
            }
        }
    }
}

TEST(ResistorExportTest, RingPlacesMatchTheArtworksBody)
{
    const RECT first = ExportRingRect(0, true);
    EXPECT_EQ(first.left, 18);
    EXPECT_EQ(first.top, 4);
    EXPECT_EQ(first.right, 23);
    EXPECT_EQ(first.bottom, 27);
    const RECT last = ExportRingRect(5, false);
    EXPECT_EQ(last.left, 8);
    EXPECT_EQ(last.top, 53);
    EXPECT_EQ(last.right, 31);
    EXPECT_EQ(last.bottom, 58);
}

TEST(PrintPageTest, PicturePageCarriesThePicturePixelForPixelOnAScreenContext)
{
    const ResistorState state = State(kRingMode6);
    CBitmapHandle picture = RenderResistorPicture(nullptr, state, true);
    ASSERT_TRUE(picture);
    CCanvas page(300, 200, RGB(1, 2, 3));
    DrawPicturePage(page.dc(), picture.get());
    const CPictureReader reader(picture.get());
    for (int y = 0; y < 34; y += 3)
    {
        for (int x = 0; x < 80; x += 3)
            ASSERT_EQ(page.Pixel(50 + x, 50 + y), reader.Pixel(x, y)) << x << "," << y;
    }
    EXPECT_EQ(page.Pixel(49, 49), RGB(1, 2, 3));
    EXPECT_EQ(page.Pixel(130, 84), RGB(1, 2, 3));
}

TEST(PrintPageTest, ValuePageWritesTheWholeTextFromTheMargin)
{
    const std::string text = "4,7 kOhms \xE0 5 %, 100 ppm/\xB0"
                             "C";
    CCanvas page(600, 120, RGB(255, 255, 255));
    DrawValuePage(page.dc(), text);
    SIZE extent{};
    {
        CSelectObject selectFont(page.dc(), ::GetStockObject(SYSTEM_FONT));
        ::GetTextExtentPoint32A(page.dc(), text.c_str(), static_cast<int>(text.size()), &extent);
    }
    ASSERT_GT(extent.cx, 100);
    auto ink = [&](LONG left, LONG top, LONG right, LONG bottom)
    {
        const RECT rc{left, top, right, bottom};
        return (right - left) * (bottom - top) - page.Count(rc, RGB(255, 255, 255));
    };
    EXPECT_EQ(ink(0, 0, 600, 50), 0);
    EXPECT_EQ(ink(0, 0, 50, 120), 0);
    // The last characters reach the paper, and nothing lies beyond them.
    EXPECT_GT(ink(50 + extent.cx * 9 / 10, 50, 50 + extent.cx, 50 + extent.cy), 0);
    EXPECT_EQ(ink(50 + extent.cx + 1, 0, 600, 120), 0);
}

TEST(PrintPageTest, ADocumentThatCannotStartDrawsNothing)
{
    CCanvas page(10, 10, RGB(255, 255, 255));
    bool bDrawn = false;
    EXPECT_FALSE(PrintOnePage(page.dc(), "Vantrel", [&](HDC) { bDrawn = true; }));
    EXPECT_FALSE(bDrawn);
}
} // namespace
