// A bounds-checked reader of the resource directory of a module file (the PE format).
#include "model/resource_image.h"

#include <algorithm>

namespace
{
constexpr std::uint16_t kStringTableType = 6;
constexpr int kDirectoryDepth = 3;
constexpr std::uint32_t kSubdirectoryBit = 0x80000000u;
constexpr std::size_t kDirectoryHeader = 16;
constexpr std::size_t kDirectoryEntry = 8;
constexpr std::size_t kDataEntry = 16;
// More entries than this in one directory is damage, not a language library.
constexpr std::size_t kMaxEntries = 4096;

// Little-endian reads that fail instead of reading past the end.
class Reader
{
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    bool Has(std::size_t offset, std::size_t size) const
    {
        return offset <= m_bytes.size() && size <= m_bytes.size() - offset;
    }
    std::optional<std::uint16_t> U16(std::size_t offset) const
    {
        if (!Has(offset, 2))
            return std::nullopt;
        return static_cast<std::uint16_t>(m_bytes[offset] | m_bytes[offset + 1] << 8);
    }
    std::optional<std::uint32_t> U32(std::size_t offset) const
    {
        const auto low = U16(offset);
        const auto high = U16(offset + 2);
        if (!low || !high)
            return std::nullopt;
        return static_cast<std::uint32_t>(*low | static_cast<std::uint32_t>(*high) << 16);
    }

private:
    std::span<const std::uint8_t> m_bytes;
};

struct Section
{
    std::uint32_t rva;
    std::uint32_t size;
    std::uint32_t fileOffset;
};

// The resource section as the headers describe it; nothing when they do not hold together.
std::optional<Section> ResourceSection(const Reader& file)
{
    if (file.U16(0) != 0x5A4D) // "MZ"
        return std::nullopt;
    const auto peOffset = file.U32(0x3C);
    if (!peOffset || file.U32(*peOffset) != 0x00004550) // "PE\0\0"
        return std::nullopt;
    const std::size_t coff = *peOffset + 4;
    const auto nSections = file.U16(coff + 2);
    const auto nOptional = file.U16(coff + 16);
    const std::size_t optional = coff + 20;
    const auto magic = file.U16(optional);
    if (!nSections || !nOptional || !magic)
        return std::nullopt;
    const bool bPlus = *magic == 0x20B;
    if (!bPlus && *magic != 0x10B)
        return std::nullopt;
    const std::size_t nDirectories = optional + (bPlus ? 108 : 92);
    const std::size_t resourceEntry = optional + (bPlus ? 112 : 96) + 2 * 8;
    const auto nCount = file.U32(nDirectories);
    if (!nCount || *nCount < 3 || resourceEntry + 8 > optional + *nOptional)
        return std::nullopt;
    const auto rva = file.U32(resourceEntry);
    const auto size = file.U32(resourceEntry + 4);
    if (!rva || !size || *rva == 0 || *size < kDirectoryHeader)
        return std::nullopt;
    const std::size_t table = optional + *nOptional;
    for (std::size_t i = 0; i < *nSections; ++i)
    {
        const std::size_t header = table + i * 40;
        const auto virtualSize = file.U32(header + 8);
        const auto virtualAddress = file.U32(header + 12);
        const auto rawSize = file.U32(header + 16);
        const auto rawOffset = file.U32(header + 20);
        if (!virtualSize || !virtualAddress || !rawSize || !rawOffset)
            return std::nullopt;
        // The directory must start in this section and lie whole in its bytes on file.
        if (*rva < *virtualAddress || *rva - *virtualAddress >= std::max(*virtualSize, *rawSize))
            continue;
        const std::uint32_t inSection = *rva - *virtualAddress;
        if (inSection >= *rawSize || !file.Has(*rawOffset, *rawSize))
            return std::nullopt;
        return Section{*rva, *rawSize - inSection, *rawOffset + inSection};
    }
    return std::nullopt;
}

// Walks the directory from its root, checking every entry; false at the first fault.
bool IsSoundDirectory(const Reader& section, std::size_t offset, int depth, std::uint32_t rva,
                      std::size_t size)
{
    const auto nNamed = section.U16(offset + 12);
    const auto nIds = section.U16(offset + 14);
    if (!nNamed || !nIds || std::size_t{*nNamed} + *nIds > kMaxEntries)
        return false;
    const std::size_t nEntries = std::size_t{*nNamed} + *nIds;
    for (std::size_t i = 0; i < nEntries; ++i)
    {
        const std::size_t entry = offset + kDirectoryHeader + i * kDirectoryEntry;
        const auto name = section.U32(entry);
        const auto target = section.U32(entry + 4);
        if (!name || !target)
            return false;
        if ((*name & kSubdirectoryBit) != 0)
        {
            const auto length = section.U16(*name & ~kSubdirectoryBit);
            if (!length || !section.Has((*name & ~kSubdirectoryBit) + 2, std::size_t{*length} * 2))
                return false;
        }
        const bool bSubdirectory = (*target & kSubdirectoryBit) != 0;
        const std::size_t child = *target & ~kSubdirectoryBit;
        // Subdirectories down to the languages, then data entries: a deeper or shallower tree,
        // or one that points back up, is not a resource directory.
        if (bSubdirectory != (depth < kDirectoryDepth) || (bSubdirectory && child <= offset))
            return false;
        if (bSubdirectory)
        {
            if (!section.Has(child, kDirectoryHeader) ||
                !IsSoundDirectory(section, child, depth + 1, rva, size))
                return false;
            continue;
        }
        const auto dataRva = section.U32(child);
        const auto dataSize = section.U32(child + 4);
        if (!section.Has(child, kDataEntry) || !dataRva || !dataSize || *dataRva < rva ||
            *dataRva - rva > size || *dataSize > size - (*dataRva - rva))
            return false;
    }
    return true;
}

// The first entry of a directory whose id is id; its target as stored.
std::optional<std::uint32_t> FindEntry(const Reader& section, std::size_t offset, std::uint16_t id)
{
    const auto nNamed = section.U16(offset + 12);
    const auto nIds = section.U16(offset + 14);
    if (!nNamed || !nIds)
        return std::nullopt;
    for (std::size_t i = *nNamed; i < std::size_t{*nNamed} + *nIds; ++i)
    {
        const std::size_t entry = offset + kDirectoryHeader + i * kDirectoryEntry;
        if (section.U32(entry) == id)
            return section.U32(entry + 4);
    }
    return std::nullopt;
}
} // namespace

std::optional<ResourceImage> ResourceImage::Parse(std::span<const std::uint8_t> bytes)
{
    const Reader file(bytes);
    const std::optional<Section> found = ResourceSection(file);
    if (!found)
        return std::nullopt;
    const std::span<const std::uint8_t> directory = bytes.subspan(found->fileOffset, found->size);
    const Reader section(directory);
    if (!section.Has(0, kDirectoryHeader) || !IsSoundDirectory(section, 0, 1, found->rva, found->size))
        return std::nullopt;
    return ResourceImage(bytes, found->fileOffset, found->size, found->rva);
}

std::optional<std::span<const std::uint8_t>> ResourceImage::Find(std::uint16_t type, std::uint16_t id) const
{
    const std::span<const std::uint8_t> directory = m_bytes.subspan(m_nDirectory, m_nDirectorySize);
    const Reader section(directory);
    const auto typeEntry = FindEntry(section, 0, type);
    if (!typeEntry || (*typeEntry & kSubdirectoryBit) == 0)
        return std::nullopt;
    const auto nameEntry = FindEntry(section, *typeEntry & ~kSubdirectoryBit, id);
    if (!nameEntry || (*nameEntry & kSubdirectoryBit) == 0)
        return std::nullopt;
    // The first language, whatever it is.
    const std::size_t languages = *nameEntry & ~kSubdirectoryBit;
    const auto nEntries = section.U16(languages + 12).value_or(0) + section.U16(languages + 14).value_or(0);
    if (nEntries == 0)
        return std::nullopt;
    const auto data = section.U32(languages + kDirectoryHeader + 4);
    if (!data)
        return std::nullopt;
    // Parse checked that every data entry lies within the section.
    const std::uint32_t dataRva = section.U32(*data).value_or(0);
    const std::uint32_t dataSize = section.U32(*data + 4).value_or(0);
    return directory.subspan(dataRva - m_nDirectoryRva, dataSize);
}

std::optional<std::u16string> ResourceImage::String(unsigned id) const
{
    const auto block = Find(kStringTableType, static_cast<std::uint16_t>((id >> 4) + 1));
    if (!block)
        return std::nullopt;
    const Reader data(*block);
    std::size_t offset = 0;
    for (unsigned i = 0; i <= (id & 15); ++i)
    {
        const auto length = data.U16(offset);
        if (!length || !data.Has(offset + 2, std::size_t{*length} * 2))
            return std::nullopt;
        if (i == (id & 15))
        {
            std::u16string text(*length, u'\0');
            for (std::size_t c = 0; c < *length; ++c)
                text[c] = static_cast<char16_t>(data.U16(offset + 2 + c * 2).value_or(0));
            return text;
        }
        offset += 2 + std::size_t{*length} * 2;
    }
    return std::nullopt;
}
