// The file and information headers of a .bmp file, checked against the file's size.
#include "model/bitmap_file_check.h"

namespace
{
constexpr std::size_t kFileHeader = 14;
constexpr std::uint32_t kCoreHeader = 12;
constexpr std::uint32_t kInfoHeader = 40;
// Larger pictures would cost hundreds of megabytes to draw for a background.
constexpr std::uint64_t kMaxSide = 16384;
constexpr std::uint64_t kMaxPixels = 64ull << 20;

std::uint32_t U16(std::span<const std::uint8_t> b, std::size_t at)
{
    return static_cast<std::uint32_t>(b[at] | b[at + 1] << 8);
}

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at)
{
    return U16(b, at) | U16(b, at + 2) << 16;
}

bool IsKnownBitCount(std::uint32_t nBits)
{
    return nBits == 1 || nBits == 4 || nBits == 8 || nBits == 16 || nBits == 24 || nBits == 32;
}
} // namespace

bool IsSoundBitmapFile(std::span<const std::uint8_t> header, std::uint64_t fileSize)
{
    if (header.size() < kFileHeader + 4 || fileSize < header.size() || header[0] != 'B' || header[1] != 'M')
        return false;
    const std::uint32_t nPixelsAt = U32(header, 10);
    const std::uint32_t nInfo = U32(header, kFileHeader);
    if (nInfo < kCoreHeader || kFileHeader + nInfo > header.size() || nPixelsAt < kFileHeader + nInfo ||
        nPixelsAt >= fileSize)
        return false;

    std::uint64_t nWidth = 0;
    std::uint64_t nHeight = 0;
    std::uint32_t nPlanes = 0;
    std::uint32_t nBits = 0;
    std::uint32_t nCompression = 0;
    std::uint32_t nImageSize = 0;
    if (nInfo == kCoreHeader)
    {
        nWidth = U16(header, 18);
        nHeight = U16(header, 20);
        nPlanes = U16(header, 22);
        nBits = U16(header, 24);
    }
    else
    {
        if (nInfo < kInfoHeader)
            return false;
        const auto width = static_cast<std::int32_t>(U32(header, 18));
        const auto height = static_cast<std::int32_t>(U32(header, 22));
        // A negative height stands for a picture stored top row first.
        if (width <= 0 || height == 0 || height == INT32_MIN)
            return false;
        nWidth = static_cast<std::uint64_t>(width);
        nHeight = static_cast<std::uint64_t>(height < 0 ? -height : height);
        nPlanes = U16(header, 26);
        nBits = U16(header, 28);
        nCompression = U32(header, 30);
        nImageSize = U32(header, 34);
    }
    if (nWidth == 0 || nHeight == 0 || nWidth > kMaxSide || nHeight > kMaxSide ||
        nWidth * nHeight > kMaxPixels || nPlanes != 1 || !IsKnownBitCount(nBits))
        return false;

    const std::uint64_t nAvailable = fileSize - nPixelsAt;
    switch (nCompression)
    {
    case 0: // BI_RGB
    case 3: // BI_BITFIELDS
        // Rows are padded to four bytes.
        return (nWidth * nBits + 31) / 32 * 4 * nHeight <= nAvailable;
    case 1: // BI_RLE8
    case 2: // BI_RLE4
        return nImageSize != 0 && nImageSize <= nAvailable;
    default:
        return false;
    }
}
