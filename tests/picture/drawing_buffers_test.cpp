// The two drawing helpers of the picture: bitmaps with a transparent colour, and the paint buffer
// that reaches its target only in one copy, inside the target's clip box.
#include "canvas.h"

#include "framework/offscreen_dc.h"
#include "picture/transparent_bitmap.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace
{
constexpr COLORREF kMarker = RGB(12, 34, 56);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kSilver = RGB(192, 192, 192);

struct TransparentCase
{
    UINT nID;
    COLORREF crTransparent;
};

TEST(DrawTransparentBitmap, UprightBodyIsTheLyingOneTurned)
{
    const CResourcePicture lying(IDB_BODY_LYING);
    const CResourcePicture upright(IDB_BODY_UPRIGHT);
    ASSERT_TRUE(lying.IsLoaded() && upright.IsLoaded());
    ASSERT_EQ(upright.Size().cx, lying.Size().cy);
    ASSERT_EQ(upright.Size().cy, lying.Size().cx);
    int nDifferent = 0;
    for (int y = 0; y < lying.Size().cy; ++y)
        for (int x = 0; x < lying.Size().cx; ++x)
            nDifferent += lying.Pixel(x, y) != upright.Pixel(y, x) ? 1 : 0;
    EXPECT_EQ(nDifferent, 0);
}

TEST(DrawTransparentBitmap, KeyColourLeavesTheTargetAndEverythingElseIsCopied)
{
    const TransparentCase cases[] = {
        {IDB_BODY_LYING, kWhite},
        {IDB_BODY_UPRIGHT, kWhite},
        {IDB_SCALE_DIGIT_UPRIGHT, kSilver},
        {IDB_SCALE_TEMPCO_LYING, kSilver},
    };
    for (const TransparentCase& c : cases)
    {
        CResourcePicture picture(c.nID);
        ASSERT_TRUE(picture.IsLoaded()) << c.nID;
        const SIZE size = picture.Size();
        CCanvas canvas(size.cx + 20, size.cy + 20, kMarker);
        DrawTransparentBitmap(canvas.dc(), 10, 10, c.nID, c.crTransparent);
        int nKeyPixels = 0;
        for (int y = 0; y < size.cy; ++y)
        {
            for (int x = 0; x < size.cx; ++x)
            {
                const COLORREF crSource = picture.Pixel(x, y);
                nKeyPixels += crSource == c.crTransparent ? 1 : 0;
                const COLORREF crExpected = crSource == c.crTransparent ? kMarker : crSource;
                ASSERT_EQ(canvas.Pixel(x + 10, y + 10), crExpected) << c.nID << " at " << x << "," << y;
            }
        }
        EXPECT_GT(nKeyPixels, 0) << c.nID << ": the artwork has see-through parts";
        EXPECT_LT(nKeyPixels, size.cx * size.cy) << c.nID;
        EXPECT_EQ(canvas.Count({0, 0, size.cx + 20, 10}, kMarker), (size.cx + 20) * 10) << "nothing above";
    }
}

TEST(DrawTransparentBitmap, MissingResourceDrawsNothing)
{
    CCanvas canvas(50, 50, kMarker);
    DrawTransparentBitmap(canvas.dc(), 0, 0, 4242, kWhite);
    EXPECT_EQ(canvas.Count({0, 0, 50, 50}, kMarker), 2500);
}

TEST(DrawTransparentBitmap, TargetColoursAreRestored)
{
    CCanvas canvas(20, 20, kMarker);
    ::SetBkColor(canvas.dc(), RGB(1, 2, 3));
    ::SetTextColor(canvas.dc(), RGB(4, 5, 6));
    DrawTransparentBitmap(canvas.dc(), 0, 0, IDB_SCALE_DIGIT_UPRIGHT, kSilver);
    EXPECT_EQ(::GetBkColor(canvas.dc()), RGB(1, 2, 3));
    EXPECT_EQ(::GetTextColor(canvas.dc()), RGB(4, 5, 6));
}

void Fill(HDC hDC, const RECT& rc, COLORREF crColor)
{
    CBrushHandle brush(::CreateSolidBrush(crColor));
    ::FillRect(hDC, &rc, brush.get());
}

TEST(OffscreenDC, DrawingReachesTheTargetInOneCopyInsideItsClipBox)
{
    CCanvas canvas(100, 80, kMarker);
    ::IntersectClipRect(canvas.dc(), 40, 5, 90, 60);
    {
        COffscreenDC buffer(canvas.dc());
        ASSERT_NE(buffer.get(), canvas.dc());
        Fill(buffer.get(), {0, 0, 100, 80}, RGB(200, 0, 0));
        ::SetPixel(buffer.get(), 45, 6, RGB(0, 0, 250));
        EXPECT_EQ(canvas.Pixel(50, 30), kMarker) << "nothing before the copy";
    }
    ::SelectClipRgn(canvas.dc(), nullptr);
    EXPECT_EQ(canvas.Pixel(45, 6), RGB(0, 0, 250)) << "the target's own coordinates";
    EXPECT_EQ(canvas.Count({40, 5, 90, 60}, RGB(200, 0, 0)), 50 * 55 - 1);
    EXPECT_EQ(canvas.Count({0, 0, 100, 80}, kMarker), 100 * 80 - 50 * 55);
}

TEST(OffscreenDC, NothingVisibleMeansDrawingStraightThrough)
{
    CCanvas canvas(30, 30, kMarker);
    ::IntersectClipRect(canvas.dc(), 10, 10, 10, 10);
    COffscreenDC buffer(canvas.dc());
    EXPECT_EQ(buffer.get(), canvas.dc());
}
} // namespace
