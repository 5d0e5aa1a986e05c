// The bitmaps of the resistor picture, kept between paints.
#include "picture/picture_cache.h"

#include "framework/handles.h"
#include "framework/scopes.h"
#include "model/bitmap_file_check.h"
#include "res/resource.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace
{
struct CBackgroundFile
{
    std::string strPath;
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    CBitmapHandle bitmap;
};

// Bitmaps made from the artwork, by resource and transparent colour. A map, because an entry
// is filled while others are added (the upright body is made from the lying one): its entries
// stay where they are as it grows.
using CArtworkMap = std::map<std::pair<UINT, COLORREF>, CBitmapHandle>;

CArtworkMap& Artwork()
{
    static CArtworkMap s_artwork;
    return s_artwork;
}

CArtworkMap& Masks()
{
    static CArtworkMap s_masks;
    return s_masks;
}

CBackgroundFile& Background()
{
    static CBackgroundFile s_background;
    return s_background;
}

bool SameFile(const WIN32_FILE_ATTRIBUTE_DATA& a, const WIN32_FILE_ATTRIBUTE_DATA& b)
{
    return a.nFileSizeHigh == b.nFileSizeHigh && a.nFileSizeLow == b.nFileSizeLow &&
           ::CompareFileTime(&a.ftLastWriteTime, &b.ftLastWriteTime) == 0;
}

// The system's loader is handed only files whose headers the file can back.
CBitmapHandle LoadBitmapFile(const std::string& strPath, const WIN32_FILE_ATTRIBUTE_DATA& attributes)
{
    const std::uint64_t nSize = std::uint64_t{attributes.nFileSizeHigh} << 32 | attributes.nFileSizeLow;
    const CFileHandle file(::CreateFileA(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return {};
    std::vector<std::uint8_t> header(static_cast<size_t>(std::min<std::uint64_t>(nSize, kBitmapHeaderBytes)));
    DWORD nRead = 0;
    if (header.empty() ||
        !::ReadFile(file.get(), header.data(), static_cast<DWORD>(header.size()), &nRead, nullptr) ||
        nRead != header.size() || !IsSoundBitmapFile(header, nSize))
        return {};
    return CBitmapHandle(static_cast<HBITMAP>(
        ::LoadImageA(nullptr, strPath.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
}
// The picture turned about its diagonal: row y of the source is column y of the result.
CBitmapHandle TransposedBitmap(HBITMAP hSource)
{
    BITMAP bm{};
    if (hSource == nullptr || ::GetObjectA(hSource, sizeof bm, &bm) == 0)
        return CBitmapHandle();
    const int cx = bm.bmWidth;
    const int cy = bm.bmHeight;
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), cx, -cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> source(static_cast<size_t>(cx) * static_cast<size_t>(cy));
    CClientDC screen(nullptr);
    if (::GetDIBits(screen.get(), hSource, 0, static_cast<UINT>(cy), source.data(), &bi, DIB_RGB_COLORS) == 0)
        return CBitmapHandle();
    std::vector<DWORD> turned(source.size());
    for (size_t y = 0; y < static_cast<size_t>(cy); ++y)
        for (size_t x = 0; x < static_cast<size_t>(cx); ++x)
            turned[x * static_cast<size_t>(cy) + y] = source[y * static_cast<size_t>(cx) + x];
    bi.bmiHeader.biWidth = cy;
    bi.bmiHeader.biHeight = -cx;
    CBitmapHandle made(::CreateCompatibleBitmap(screen.get(), cy, cx));
    if (!made || ::SetDIBits(screen.get(), made.get(), 0, static_cast<UINT>(cx), turned.data(), &bi,
                             DIB_RGB_COLORS) == 0)
        return CBitmapHandle();
    return made;
}
} // namespace

// The upright body is the lying one turned, made here rather than stored a second time.
HBITMAP GetArtworkBitmap(UINT nID)
{
    CBitmapHandle& bitmap = Artwork()[{nID, 0}];
    if (!bitmap && nID == IDB_BODY_UPRIGHT)
        bitmap = TransposedBitmap(GetArtworkBitmap(IDB_BODY_LYING));
    else if (!bitmap)
        bitmap.reset(::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nID)));
    return bitmap.get();
}

HBITMAP GetArtworkMask(UINT nID, COLORREF crTransparent)
{
    CBitmapHandle& mask = Masks()[{nID, crTransparent}];
    if (mask)
        return mask.get();
    const HBITMAP hPicture = GetArtworkBitmap(nID);
    BITMAP bm{};
    if (hPicture == nullptr || ::GetObjectA(hPicture, sizeof(bm), &bm) == 0)
        return nullptr;
    CMemoryDCHandle pictureDC(::CreateCompatibleDC(nullptr));
    CMemoryDCHandle maskDC(::CreateCompatibleDC(nullptr));
    CBitmapHandle made(::CreateBitmap(bm.bmWidth, bm.bmHeight, 1, 1, nullptr));
    if (!pictureDC || !maskDC || !made)
        return nullptr;
    {
        CSelectObject selectPicture(pictureDC.get(), hPicture);
        CSelectObject selectMask(maskDC.get(), made.get());
        // Colour to monochrome: pixels of the source's background colour become 1, all others 0.
        ::SetBkColor(pictureDC.get(), crTransparent);
        ::BitBlt(maskDC.get(), 0, 0, bm.bmWidth, bm.bmHeight, pictureDC.get(), 0, 0, SRCCOPY);
    }
    mask = std::move(made);
    return mask.get();
}

HBITMAP GetBackgroundFileBitmap(const std::string& strPath)
{
    CBackgroundFile& cached = Background();
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    if (!::GetFileAttributesExA(strPath.c_str(), GetFileExInfoStandard, &attributes))
    {
        cached = CBackgroundFile{};
        return nullptr;
    }
    if (cached.strPath != strPath || !SameFile(cached.attributes, attributes))
    {
        cached.bitmap = LoadBitmapFile(strPath, attributes);
        cached.strPath = strPath;
        cached.attributes = attributes;
    }
    return cached.bitmap.get();
}
