// Bitmap file headers: what the file can hold, against what its header claims.
#include "model/bitmap_file_check.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
struct Header
{
    std::int32_t width = 4;
    std::int32_t height = 3;
    std::uint16_t bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::uint32_t infoSize = 40;
    std::uint32_t pixelsAt = 54;
    const char* magic = "BM";
};

std::vector<std::uint8_t> Bytes(const Header& h)
{
    std::vector<std::uint8_t> b(54, 0);
    auto put = [&b](std::size_t at, std::uint32_t v, int n)
    {
        for (int i = 0; i < n; ++i)
            b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
    };
    b[0] = static_cast<std::uint8_t>(h.magic[0]);
    b[1] = static_cast<std::uint8_t>(h.magic[1]);
    put(10, h.pixelsAt, 4);
    put(14, h.infoSize, 4);
    put(18, static_cast<std::uint32_t>(h.width), 4);
    put(22, static_cast<std::uint32_t>(h.height), 4);
    put(26, 1, 2);
    put(28, h.bits, 2);
    put(30, h.compression, 4);
    put(34, h.imageSize, 4);
    return b;
}

// A 4 x 3 picture of 24 bits: rows of 12 bytes, 36 bytes of pixels after the 54 of headers.
constexpr std::uint64_t kWhole = 54 + 36;

TEST(IsSoundBitmapFile, HeadersAgainstWhatTheFileHolds)
{
    const struct
    {
        const char* name;
        Header header;
        std::uint64_t fileSize;
        std::size_t headerBytes;
        bool sound;
    } cases[] = {
        {"sound", {}, kWhole, 54, true},
        {"stored top row first", {.height = -3}, kWhole, 54, true},
        {"one pixel short", {}, kWhole - 1, 54, false},
        {"truncated header", {}, 30, 30, false},
        {"zero size", {}, 0, 0, false},
        {"not a bitmap", {.magic = "MZ"}, kWhole, 54, false},
        {"zero width", {.width = 0}, kWhole, 54, false},
        {"negative width", {.width = -4}, kWhole, 54, false},
        {"zero height", {.height = 0}, kWhole, 54, false},
        {"huge dimensions", {.width = 100000, .height = 100000}, 1ull << 40, 54, false},
        {"huge height past the file", {.height = 30000}, kWhole, 54, false},
        {"unknown bit count", {.bits = 7}, kWhole, 54, false},
        {"unknown compression", {.compression = 9}, kWhole, 54, false},
        {"run-length image past the file",
         {.bits = 8, .compression = 1, .imageSize = 1000},
         kWhole,
         54,
         false},
        {"run-length image within the file",
         {.bits = 8, .compression = 1, .imageSize = 30},
         kWhole,
         54,
         true},
        {"pixels before the headers end", {.pixelsAt = 20}, kWhole, 54, false},
        {"pixels beyond the file", {.pixelsAt = 5000}, kWhole, 54, false},
        {"information header past the bytes read", {.infoSize = 124}, kWhole, 54, false},
    };
    for (const auto& c : cases)
    {
        const std::vector<std::uint8_t> bytes = Bytes(c.header);
        const std::span<const std::uint8_t> header(bytes.data(), c.headerBytes);
        EXPECT_EQ(IsSoundBitmapFile(header, c.fileSize), c.sound) << c.name;
    }
}
} // namespace
