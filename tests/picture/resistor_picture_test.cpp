// The resistor picture painted into memory: ring colours and places in both orientations, the
// shaded rings, the rings left out by the ring count, the scales and the background picture.
#include "canvas.h"
#include "temp_files.h"

#include "picture/resistor_picture.h"
#include "model/ring_colours.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace
{
constexpr COLORREF kMarker = RGB(12, 34, 56);
constexpr int kClientWidth = 340;
constexpr int kClientHeight = 380;

COLORREF Ref(const RingRgb& rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

COLORREF ButtonFace()
{
    return ::GetSysColor(COLOR_BTNFACE);
}

// Rings yellow, violet, red, red, gold, violet: no two neighbours alike.
ResistorState State(int ringMode)
{
    return {ringMode, {5, 8, 3, 5, 2, 6}};
}

// What the null pen leaves of a ring rectangle: one column and one row less.
RECT Filled(const RECT& rc)
{
    return {rc.left, rc.top, rc.right - 1, rc.bottom - 1};
}

int Area(const RECT& rc)
{
    return (rc.right - rc.left) * (rc.bottom - rc.top);
}

struct RingPlace
{
    bool bHorizontal;
    int nBande;
    RECT filled;
};

TEST(RingRect, RingsStandWhereTheBodyHasRoomForThem)
{
    const RingPlace places[] = {
        {true, 0, {50, 10, 64, 72}},    {true, 2, {130, 10, 144, 72}},  {true, 3, {166, 10, 180, 72}},
        {true, 5, {260, 10, 274, 72}},  {false, 0, {10, 50, 72, 64}},   {false, 3, {10, 160, 72, 174}},
        {false, 4, {10, 204, 72, 218}}, {false, 5, {10, 253, 72, 267}},
    };
    for (const RingPlace& p : places)
    {
        CCanvas canvas(kClientWidth, kClientHeight, kMarker);
        DrawRing(canvas.dc(), p.nBande, State(kRingMode6), p.bHorizontal, false);
        const COLORREF crRing = Ref(*RingColour(p.nBande, State(kRingMode6).positions[p.nBande]));
        EXPECT_EQ(canvas.Count(p.filled, crRing), Area(p.filled)) << p.bHorizontal << " " << p.nBande;
        const RECT all{0, 0, kClientWidth, kClientHeight};
        EXPECT_EQ(canvas.Count(all, crRing), Area(p.filled)) << "nothing painted outside the ring";
    }
}

TEST(DrawRing, RingCountLeavesOutTheThirdDigitAndTheTemperatureRing)
{
    const struct
    {
        int ringMode;
        int nBande;
        bool bDrawn;
    } cases[] = {
        {kRingMode4, 1, true},   {kRingMode4, 2, false}, {kRingMode4, 3, true}, {kRingMode4, 5, false},
        {kRingMode5, 2, true},   {kRingMode5, 5, false}, {kRingMode6, 2, true}, {kRingMode6, 5, true},
        {kRingMode6, -1, false}, {kRingMode6, 6, false},
    };
    for (const auto& c : cases)
    {
        for (bool bHorizontal : {true, false})
        {
            CCanvas canvas(kClientWidth, kClientHeight, kMarker);
            DrawRing(canvas.dc(), c.nBande, State(c.ringMode), bHorizontal, true);
            const RECT all{0, 0, kClientWidth, kClientHeight};
            const int nUntouched = canvas.Count(all, kMarker);
            if (c.bDrawn)
                EXPECT_EQ(nUntouched, Area(all) - Area(Filled(RingRect(c.nBande, bHorizontal)))) << c.nBande;
            else
                EXPECT_EQ(nUntouched, Area(all)) << c.ringMode << " " << c.nBande;
        }
    }
}

TEST(DrawRing, PositionWithoutColourPaintsNothing)
{
    ResistorState state = State(kRingMode6);
    state.positions[kSlotMultiplier] = 10;
    CCanvas canvas(kClientWidth, kClientHeight, kMarker);
    DrawRing(canvas.dc(), kSlotMultiplier, state, true, true);
    EXPECT_EQ(canvas.Count({0, 0, kClientWidth, kClientHeight}, kMarker), kClientWidth * kClientHeight);
}

// One line of a shaded ring, counted from its lit edge.
COLORREF ShadedLine(const CCanvas& canvas, bool bHorizontal, int nBande, int nOffset)
{
    const RECT rc = RingRect(nBande, bHorizontal);
    const int nAlong = (bHorizontal ? rc.left : rc.top) + 7;
    return bHorizontal ? canvas.Pixel(nAlong, 10 + nOffset) : canvas.Pixel(10 + nOffset, nAlong);
}

TEST(DrawRing, ShadedRingRunsFromLightGreyAtTheLitEdgeToItsColour)
{
    const struct
    {
        int nBande;
        int nPosition;
        COLORREF crMiddle; // offset 25
        COLORREF crEnd;    // offset 50 and on to the far edge
    } cases[] = {
        {kSlotFirstDigit, 1, RGB(105, 105, 105), RGB(0, 0, 0)},         // black
        {kSlotSecondDigit, 10, RGB(232, 232, 232), RGB(254, 254, 254)}, // white ends a shade short
        {kSlotMultiplier, 4, RGB(172, 159, 141), RGB(135, 109, 72)},    // brown
        {kSlotTolerance, 6, RGB(105, 105, 204), RGB(0, 0, 198)},        // the tolerance ring's blue
    };
    for (bool bHorizontal : {true, false})
    {
        for (const auto& c : cases)
        {
            ResistorState state = State(kRingMode6);
            state.positions[static_cast<size_t>(c.nBande)] = c.nPosition;
            CCanvas canvas(kClientWidth, kClientHeight, kMarker);
            DrawRing(canvas.dc(), c.nBande, state, bHorizontal, true);
            EXPECT_EQ(ShadedLine(canvas, bHorizontal, c.nBande, 0), RGB(210, 210, 210)) << c.nBande;
            EXPECT_EQ(ShadedLine(canvas, bHorizontal, c.nBande, 25), c.crMiddle) << c.nBande;
            EXPECT_EQ(ShadedLine(canvas, bHorizontal, c.nBande, 50), c.crEnd) << c.nBande;
            EXPECT_EQ(ShadedLine(canvas, bHorizontal, c.nBande, 61), c.crEnd) << c.nBande;
            EXPECT_EQ(ShadedLine(canvas, bHorizontal, c.nBande, 62), kMarker) << "the far edge stays open";
        }
    }
}

class ResistorPictureTest : public ::testing::Test
{
protected:
    void Paint(int ringMode, bool bHorizontal, const std::string& strBackground = std::string())
    {
        const PictureOptions settings{bHorizontal, false, strBackground};
        DrawResistorPicture(m_canvas.dc(), {0, 0, kClientWidth, kClientHeight}, State(ringMode), settings);
    }

    CCanvas m_canvas{kClientWidth, kClientHeight, kMarker};
};

TEST_F(ResistorPictureTest, FourRingsLeaveTheThirdPlaceToTheBody)
{
    for (bool bHorizontal : {true, false})
    {
        Paint(kRingMode4, bHorizontal);
        CResourcePicture body(bHorizontal ? IDB_BODY_LYING : IDB_BODY_UPRIGHT);
        ASSERT_TRUE(body.IsLoaded());
        // Along the middle of the third ring's place: the body as drawn at (1, 1).
        for (int nAlong = 130; nAlong < 144; ++nAlong)
        {
            const int x = bHorizontal ? nAlong : 40;
            const int y = bHorizontal ? 40 : nAlong;
            EXPECT_EQ(m_canvas.Pixel(x, y), body.Pixel(x - 1, y - 1)) << bHorizontal << " " << nAlong;
        }
        EXPECT_EQ(m_canvas.Pixel(bHorizontal ? 57 : 40, bHorizontal ? 40 : 57), Ref(*RingColour(0, 5)));
    }
}

struct ScalePlace
{
    int nSlot;
    POINT corner;
    std::vector<int> offsets;
};

// The centre of each swatch shows its position's colour in its black frame.
void ExpectSwatches(const CCanvas& canvas, const ScalePlace& scale, bool bUpright)
{
    for (size_t i = 0; i < scale.offsets.size(); ++i)
    {
        RingRgb rgb = *RingColour(scale.nSlot, static_cast<int>(i) + 1);
        // The scales paint blue and violet 192 on every ring.
        rgb = {rgb.red == 198 ? std::uint8_t{192} : rgb.red, rgb.green,
               rgb.blue == 198 ? std::uint8_t{192} : rgb.blue};
        const int nAlong = scale.offsets[i];
        const POINT centre = bUpright ? POINT{scale.corner.x + 4, scale.corner.y + nAlong + 3}
                                      : POINT{scale.corner.x + nAlong + 3, scale.corner.y + 4};
        const POINT frame = bUpright ? POINT{scale.corner.x, scale.corner.y + nAlong + 3}
                                     : POINT{scale.corner.x + nAlong + 3, scale.corner.y};
        EXPECT_EQ(canvas.Pixel(centre.x, centre.y), Ref(rgb)) << scale.nSlot << " position " << i + 1;
        EXPECT_EQ(canvas.Pixel(frame.x, frame.y), RGB(0, 0, 0)) << scale.nSlot << " position " << i + 1;
    }
}

const std::vector<int> kDigitOffsets = {1, 15, 29, 43, 57, 71, 85, 99, 113, 127};
const std::vector<int> kMultiplierOffsets = {0, 16, 32, 47, 64, 79, 95, 110, 126};
const std::vector<int> kToleranceOffsets = {0, 18, 36, 54, 72, 90, 108, 126};
const std::vector<int> kTempCoOffsets = {0, 21, 42, 63, 84, 105, 126};

TEST_F(ResistorPictureTest, ScalesShowEveryPositionBesideTheirSelectors)
{
    const ScalePlace upright[] = {
        {kSlotFirstDigit, {50, 97}, kDigitOffsets},
        {kSlotMultiplier, {166, 97}, kMultiplierOffsets},
        {kSlotTolerance, {214, 97}, kToleranceOffsets},
        {kSlotTempCo, {260, 97}, kTempCoOffsets},
    };
    const ScalePlace lying[] = {
        {kSlotFirstDigit, {95, 52}, kDigitOffsets},
        {kSlotMultiplier, {95, 164}, kMultiplierOffsets},
        {kSlotTolerance, {95, 208}, kToleranceOffsets},
        {kSlotTempCo, {95, 257}, kTempCoOffsets},
    };
    Paint(kRingMode6, true);
    for (const ScalePlace& scale : upright)
        ExpectSwatches(m_canvas, scale, true);
    Paint(kRingMode6, false);
    for (const ScalePlace& scale : lying)
        ExpectSwatches(m_canvas, scale, false);
}

TEST_F(ResistorPictureTest, TemperatureScaleOnlyWithSixRings)
{
    for (int ringMode : {kRingMode4, kRingMode5})
    {
        Paint(ringMode, true);
        EXPECT_EQ(m_canvas.Count({260, 97, 270, 230}, ButtonFace()), 10 * 133) << ringMode;
        Paint(ringMode, false);
        EXPECT_EQ(m_canvas.Count({95, 257, 228, 267}, ButtonFace()), 133 * 10) << ringMode;
    }
}

TEST_F(ResistorPictureTest, WithoutBackgroundTheButtonFaceFillsTheRest)
{
    Paint(kRingMode5, true);
    EXPECT_EQ(m_canvas.Pixel(0, 0), ButtonFace());
    EXPECT_EQ(m_canvas.Pixel(kClientWidth - 1, kClientHeight - 1), ButtonFace());
    EXPECT_EQ(m_canvas.Count({0, 250, kClientWidth, kClientHeight}, ButtonFace()), kClientWidth * 130);
}

TEST_F(ResistorPictureTest, BuiltInBackgroundIsCopiedUnscaledToTheCorner)
{
    Paint(kRingMode4, false, kDefaultBackground);
    CResourcePicture background(IDB_BACKGROUND);
    ASSERT_TRUE(background.IsLoaded());
    EXPECT_EQ(background.Size().cx, 332);
    EXPECT_EQ(background.Size().cy, 372);
    for (POINT pt : {POINT{0, 0}, POINT{200, 20}, POINT{300, 300}, POINT{331, 371}, POINT{160, 240}})
        EXPECT_EQ(m_canvas.Pixel(pt.x, pt.y), background.Pixel(pt.x, pt.y)) << pt.x << "," << pt.y;
    EXPECT_EQ(m_canvas.Pixel(332, 10), ButtonFace());
    EXPECT_EQ(m_canvas.Pixel(10, 372), ButtonFace());
}

TEST_F(ResistorPictureTest, BackgroundFileIsDrawnAtItsOwnSize)
{
    const std::string strPath = TempPath("vantrel-picture-background.bmp");
    ASSERT_TRUE(WriteColourBitmap(strPath, 120, 10, RGB(200, 30, 90)));
    Paint(kRingMode4, false, strPath);
    ::DeleteFileA(strPath.c_str());
    // Right of the upright body and above the scales only the file's picture lies.
    EXPECT_EQ(m_canvas.Pixel(100, 0), RGB(200, 30, 90));
    EXPECT_EQ(m_canvas.Pixel(119, 9), RGB(200, 30, 90));
    EXPECT_EQ(m_canvas.Pixel(120, 5), ButtonFace());
    EXPECT_EQ(m_canvas.Pixel(100, 10), ButtonFace());
}

TEST_F(ResistorPictureTest, BackgroundThatCannotBeLoadedLeavesTheButtonFace)
{
    const std::string strText = TempPath("vantrel-picture-not-a-bitmap.bmp");
    FILE* f = std::fopen(strText.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("BM but not a bitmap at all", f);
    std::fclose(f);
    for (const std::string& strBackground :
         {TempPath("vantrel-picture-missing.bmp"), strText, std::string("D")})
    {
        Paint(kRingMode4, false, strBackground);
        EXPECT_EQ(m_canvas.Pixel(100, 0), ButtonFace()) << strBackground;
        EXPECT_EQ(m_canvas.Pixel(300, 300), ButtonFace()) << strBackground;
    }
    ::DeleteFileA(strText.c_str());
}
// Files whose headers promise more than they hold, or pictures too large to draw: never handed
// to the system's loader, drawn as no picture at all.
TEST_F(ResistorPictureTest, DamagedBackgroundFilesDrawNoPicture)
{
    const std::string strPath = TempPath("vantrel-picture-damaged.bmp");
    ASSERT_TRUE(WriteColourBitmap(strPath, 120, 10, RGB(200, 30, 90)));
    std::vector<char> sound;
    {
        FILE* f = std::fopen(strPath.c_str(), "rb");
        ASSERT_NE(f, nullptr);
        for (int c = std::fgetc(f); c != EOF; c = std::fgetc(f))
            sound.push_back(static_cast<char>(c));
        std::fclose(f);
    }
    auto patch32 = [](std::vector<char>& b, size_t at, std::uint32_t v)
    {
        for (size_t i = 0; i < 4; ++i)
            b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    const struct
    {
        const char* name;
        std::function<void(std::vector<char>&)> damage;
    } cases[] = {
        {"zero size", [](std::vector<char>& b) { b.clear(); }},
        {"truncated header", [](std::vector<char>& b) { b.resize(30); }},
        {"headers only", [](std::vector<char>& b) { b.resize(54); }},
        {"pixels cut short", [](std::vector<char>& b) { b.resize(b.size() - 1); }},
        {"huge dimensions", [&](std::vector<char>& b) { patch32(b, 18, 100000), patch32(b, 22, 100000); }},
        {"height past the file", [&](std::vector<char>& b) { patch32(b, 22, 0x7FFFFFFF); }},
        {"pixels beyond the file", [&](std::vector<char>& b) { patch32(b, 10, 0x7FFFFFF0); }},
    };
    for (const auto& c : cases)
    {
        std::vector<char> bytes = sound;
        c.damage(bytes);
        FILE* f = std::fopen(strPath.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        Paint(kRingMode4, false, strPath);
        EXPECT_EQ(m_canvas.Pixel(100, 0), ButtonFace()) << c.name;
    }
    ::DeleteFileA(strPath.c_str());
}

// The picture is kept between paints, and read again once the file changed.
TEST_F(ResistorPictureTest, BackgroundFileChangedSinceTheLastPaintIsReadAgain)
{
    const std::string strPath = TempPath("vantrel-picture-changing.bmp");
    ASSERT_TRUE(WriteColourBitmap(strPath, 120, 10, RGB(200, 30, 90)));
    Paint(kRingMode4, false, strPath);
    EXPECT_EQ(m_canvas.Pixel(100, 0), RGB(200, 30, 90));
    ASSERT_TRUE(WriteColourBitmap(strPath, 130, 10, RGB(20, 160, 60)));
    Paint(kRingMode4, false, strPath);
    EXPECT_EQ(m_canvas.Pixel(125, 0), RGB(20, 160, 60));
    ::DeleteFileA(strPath.c_str());
    Paint(kRingMode4, false, strPath);
    EXPECT_EQ(m_canvas.Pixel(100, 0), ButtonFace());
}
} // namespace
