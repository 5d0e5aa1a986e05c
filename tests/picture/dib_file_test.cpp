// Packed images and bitmap files: sizes by colour depth, the file's header fields, and pixels that
// come back unchanged when the file is read again.
#include "canvas.h"
#include "temp_files.h"

#include "framework/scopes.h"
#include "picture/dib_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{

std::vector<unsigned char> ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t U32(const std::vector<unsigned char>& b, size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::uint16_t U16(const std::vector<unsigned char>& b, size_t at)
{
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

// A device-dependent bitmap of the given depth with a few known pixels.
CBitmapHandle MakeBitmap(int cx, int cy, int nBits)
{
    CBitmapHandle bitmap(::CreateBitmap(cx, cy, 1, static_cast<UINT>(nBits), nullptr));
    CMemoryDCHandle dc(::CreateCompatibleDC(nullptr));
    if (!bitmap || !dc)
        return {};
    CSelectObject select(dc.get(), bitmap.get());
    const RECT rc{0, 0, cx, cy};
    ::FillRect(dc.get(), &rc, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::SetPixel(dc.get(), 0, 0, RGB(0, 0, 0));
    ::SetPixel(dc.get(), cx - 1, cy - 1, RGB(0, 0, 0));
    return bitmap;
}

struct DepthCase
{
    int cx;
    int cy;
    int nBits;
    std::uint32_t nImageSize;
    std::uint32_t nPixelsAt;
};

// 80 x 34 at 32 bits: 10 880 bytes of pixels; 34 x 80 at 24 bits: rows of 102 bytes padded to 104;
// 8 bits and less carry a colour table of 2^bits entries.
const DepthCase kDepths[] = {
    {80, 34, 32, 10880, 54}, {34, 80, 32, 10880, 54}, {34, 80, 24, 8320, 54},
    {80, 34, 8, 2720, 1078}, {34, 80, 1, 640, 62},
};

TEST(DibFileTest, FileHeaderAndSizesFollowTheBitmapsDepth)
{
    for (const DepthCase& c : kDepths)
    {
        SCOPED_TRACE(c.nBits);
        CBitmapHandle bitmap = MakeBitmap(c.cx, c.cy, c.nBits);
        ASSERT_TRUE(bitmap);
        BITMAP bm{};
        ::GetObjectA(bitmap.get(), sizeof bm, &bm);
        ASSERT_EQ(bm.bmBitsPixel, c.nBits) << "the system made another depth";
        CGlobalHandle dib = BitmapToDib(bitmap.get(), BI_RGB);
        ASSERT_TRUE(dib);
        const std::string path = TempPath("vantrel_depth.bmp");
        ASSERT_TRUE(WriteBitmapFile(path.c_str(), dib.get()));

        const std::vector<unsigned char> b = ReadFile(path);
        ASSERT_GE(b.size(), 54u);
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(U32(b, 2), b.size());
        EXPECT_EQ(U32(b, 2), c.nPixelsAt + c.nImageSize);
        EXPECT_EQ(U32(b, 6), 0u);
        EXPECT_EQ(U32(b, 10), c.nPixelsAt);
        EXPECT_EQ(U32(b, 14), 40u);
        EXPECT_EQ(static_cast<int>(U32(b, 18)), c.cx);
        EXPECT_EQ(static_cast<int>(U32(b, 22)), c.cy);
        EXPECT_EQ(U16(b, 26), 1);
        EXPECT_EQ(U16(b, 28), c.nBits);
        EXPECT_EQ(U32(b, 30), static_cast<std::uint32_t>(BI_RGB));
        EXPECT_EQ(U32(b, 34), c.nImageSize);
        std::remove(path.c_str());
    }
}

TEST(DibFileTest, WrittenFileReadsBackPixelForPixel)
{
    CCanvas source(80, 34, RGB(255, 255, 255));
    for (int x = 0; x < 80; ++x)
        ::SetPixel(source.dc(), x, x % 34, RGB(x * 3, 255 - x * 3, 40));
    // The canvas's own bitmap, taken out of its context for the conversion.
    CBitmapHandle copy(::CreateCompatibleBitmap(CClientDC(nullptr).get(), 80, 34));
    {
        CMemoryDCHandle dc(::CreateCompatibleDC(nullptr));
        CSelectObject select(dc.get(), copy.get());
        ::BitBlt(dc.get(), 0, 0, 80, 34, source.dc(), 0, 0, SRCCOPY);
    }
    CGlobalHandle dib = BitmapToDib(copy.get(), BI_RGB);
    const std::string path = TempPath("vantrel_roundtrip.bmp");
    ASSERT_TRUE(WriteBitmapFile(path.c_str(), dib.get()));

    CBitmapHandle loaded(
        static_cast<HBITMAP>(::LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    ASSERT_TRUE(loaded);
    CMemoryDCHandle dc(::CreateCompatibleDC(nullptr));
    CSelectObject select(dc.get(), loaded.get());
    for (int x = 0; x < 80; ++x)
    {
        EXPECT_EQ(::GetPixel(dc.get(), x, x % 34), source.Pixel(x, x % 34)) << x;
        EXPECT_EQ(::GetPixel(dc.get(), x, (x + 17) % 34), source.Pixel(x, (x + 17) % 34)) << x;
    }
    std::remove(path.c_str());
}

TEST(DibFileTest, BitFieldsAndMissingBitmapGiveNothing)
{
    CBitmapHandle bitmap = MakeBitmap(8, 8, 32);
    EXPECT_FALSE(BitmapToDib(bitmap.get(), BI_BITFIELDS));
    EXPECT_FALSE(BitmapToDib(nullptr, BI_RGB));
}

TEST(DibFileTest, NoImageOrNoPlaceWritesNothing)
{
    const std::string path = TempPath("vantrel_none.bmp");
    std::remove(path.c_str());
    EXPECT_FALSE(WriteBitmapFile(path.c_str(), nullptr));
    EXPECT_EQ(::GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);

    CBitmapHandle bitmap = MakeBitmap(8, 8, 32);
    CGlobalHandle dib = BitmapToDib(bitmap.get(), BI_RGB);
    ASSERT_TRUE(dib);
    const std::string inMissingFolder = TempPath("vantrel_no_such_folder\\picture.bmp");
    EXPECT_FALSE(WriteBitmapFile(inMissingFolder.c_str(), dib.get()));

    // A block too small for the image it announces.
    CGlobalHandle truncated(::GlobalAlloc(GMEM_MOVEABLE, sizeof(BITMAPINFOHEADER)));
    {
        CGlobalLock from(dib.get());
        CGlobalLock to(truncated.get());
        std::memcpy(to.get(), from.get(), sizeof(BITMAPINFOHEADER));
    }
    EXPECT_FALSE(WriteBitmapFile(path.c_str(), truncated.get()));
    EXPECT_EQ(::GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}
} // namespace
