// Bitmap to packed image and packed image to file, as other programs read .bmp files.
#include "picture/dib_file.h"

#include "framework/scopes.h"

#include <cstring>
#include <vector>

namespace
{
DWORD ColourTableEntries(WORD nBitCount)
{
    return nBitCount <= 8 ? DWORD{1} << nBitCount : 0;
}

DWORD RowBytes(LONG nWidth, WORD nBitCount)
{
    return ((static_cast<DWORD>(nWidth) * nBitCount + 31) & ~DWORD{31}) / 8;
}

void PutU16(std::vector<char>& out, DWORD v)
{
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void PutU32(std::vector<char>& out, DWORD v)
{
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

// WriteFile may write less than asked (a full disk) and still succeed.
bool WriteAll(HANDLE hFile, const void* pData, SIZE_T nBytes)
{
    DWORD nWritten = 0;
    return ::WriteFile(hFile, pData, static_cast<DWORD>(nBytes), &nWritten, nullptr) && nWritten == nBytes;
}
} // namespace

SIZE_T PackedDibSize(const BITMAPINFOHEADER& header)
{
    if (header.biSize != sizeof(BITMAPINFOHEADER))
        return 0;
    return sizeof(BITMAPINFOHEADER) + ColourTableEntries(header.biBitCount) * sizeof(RGBQUAD) +
           header.biSizeImage;
}

CGlobalHandle BitmapToDib(HBITMAP hBitmap, DWORD dwCompression, HPALETTE hPalette)
{
    BITMAP bm{};
    if (dwCompression == BI_BITFIELDS || ::GetObjectA(hBitmap, sizeof bm, &bm) == 0)
        return {};
    if (hPalette == nullptr)
        hPalette = static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE));

    const WORD nBitCount = static_cast<WORD>(bm.bmPlanes * bm.bmBitsPixel);
    const DWORD nTableBytes = ColourTableEntries(nBitCount) * sizeof(RGBQUAD);
    // The header with room for the colour table, which GetDIBits fills.
    std::vector<std::byte> info(sizeof(BITMAPINFOHEADER) + nTableBytes);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = bm.bmWidth;
    header.biHeight = bm.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = nBitCount;
    header.biCompression = dwCompression;
    std::memcpy(info.data(), &header, sizeof header);
    auto* pInfo = reinterpret_cast<BITMAPINFO*>(info.data());

    CClientDC screen(nullptr);
    if (screen.get() == nullptr)
        return {};
    CSelectPalette selectPalette(screen.get(), hPalette);
    // Without a pixel buffer GetDIBits only completes the header, image size included.
    const UINT nLines = static_cast<UINT>(bm.bmHeight);
    if (::GetDIBits(screen.get(), hBitmap, 0, nLines, nullptr, pInfo, DIB_RGB_COLORS) == 0)
        return {};
    if (pInfo->bmiHeader.biSizeImage == 0)
    {
        DWORD nImage = RowBytes(bm.bmWidth, nBitCount) * nLines;
        if (dwCompression != BI_RGB)
            nImage = nImage * 3 / 2;
        pInfo->bmiHeader.biSizeImage = nImage;
    }

    CGlobalHandle dib(::GlobalAlloc(GMEM_MOVEABLE, PackedDibSize(pInfo->bmiHeader)));
    CGlobalLock lock(dib.get());
    if (lock.get() == nullptr)
        return {};
    auto* pBlock = static_cast<std::byte*>(lock.get());
    std::memcpy(pBlock, info.data(), info.size());
    if (::GetDIBits(screen.get(), hBitmap, 0, nLines, pBlock + info.size(),
                    reinterpret_cast<BITMAPINFO*>(pBlock), DIB_RGB_COLORS) == 0)
        return {};
    return dib;
}

bool WriteBitmapFile(const char* pszPath, HGLOBAL hDib)
{
    CGlobalLock lock(hDib);
    if (lock.get() == nullptr || ::GlobalSize(hDib) < sizeof(BITMAPINFOHEADER))
        return false;
    BITMAPINFOHEADER header{};
    std::memcpy(&header, lock.get(), sizeof header);
    const SIZE_T nPacked = PackedDibSize(header);
    if (nPacked == 0 || nPacked > ::GlobalSize(hDib))
        return false;
    const DWORD nFileHeader = 14;
    const DWORD nPixelsAt = nFileHeader + static_cast<DWORD>(nPacked - header.biSizeImage);

    std::vector<char> out;
    out.reserve(nFileHeader);
    PutU16(out, 0x4D42); // "BM"
    PutU32(out, nFileHeader + static_cast<DWORD>(nPacked));
    PutU32(out, 0); // two reserved words
    PutU32(out, nPixelsAt);

    const CFileHandle file(
        ::CreateFileA(pszPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && WriteAll(file.get(), out.data(), out.size()) && WriteAll(file.get(), lock.get(), nPacked);
}
