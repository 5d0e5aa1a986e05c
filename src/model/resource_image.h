// The resources of a Windows module file, read from the file's bytes with every offset and
// size checked against what the file holds: a damaged file is refused, never followed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

class ResourceImage
{
public:
    // Nothing unless the headers, the resource directory, its names and every data entry lie
    // within the file and the directory is no deeper than type, name and language.
    static std::optional<ResourceImage> Parse(std::span<const std::uint8_t> bytes);

    // The data of the first language of resource (type, id).
    std::optional<std::span<const std::uint8_t>> Find(std::uint16_t type, std::uint16_t id) const;
    // String id of the string table, UTF-16; nothing when the block is missing or its lengths
    // run past its end. An empty string is a string.
    std::optional<std::u16string> String(unsigned id) const;

private:
    ResourceImage(std::span<const std::uint8_t> bytes, std::size_t nDirectory, std::size_t nDirectorySize,
                  std::uint32_t nDirectoryRva)
        : m_bytes(bytes), m_nDirectory(nDirectory), m_nDirectorySize(nDirectorySize),
          m_nDirectoryRva(nDirectoryRva)
    {
    }

    std::span<const std::uint8_t> m_bytes;
    // File offset and size of the resource section, and its address once loaded.
    std::size_t m_nDirectory;
    std::size_t m_nDirectorySize;
    std::uint32_t m_nDirectoryRva;
};
