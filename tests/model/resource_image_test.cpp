// The resource reader over module files made here byte by byte: a sound one reads back, and no
// truncation or damaged byte makes it read outside the file (the sanitizers watch).
#include "model/resource_image.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
constexpr std::size_t kResources = 0x200;
constexpr std::uint32_t kResourcesRva = 0x1000;

void Put16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    bytes[at] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

void Put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    Put16(bytes, at, value & 0xFFFF);
    Put16(bytes, at + 2, value >> 16);
}

// A 64-bit module whose one section holds a string table block 1 (strings 0 to 15): root,
// type 6, name 1, language 0x40C, then the data entry and the block.
std::vector<std::uint8_t> MakeModule(const std::vector<std::u16string>& strings)
{
    std::vector<std::uint8_t> block;
    for (std::size_t i = 0; i < 16; ++i)
    {
        const std::u16string text = i < strings.size() ? strings[i] : u"";
        block.push_back(static_cast<std::uint8_t>(text.size() & 0xFF));
        block.push_back(static_cast<std::uint8_t>(text.size() >> 8));
        for (char16_t c : text)
        {
            block.push_back(static_cast<std::uint8_t>(c & 0xFF));
            block.push_back(static_cast<std::uint8_t>(c >> 8));
        }
    }
    const std::size_t nSection = 0x58 + block.size();
    std::vector<std::uint8_t> bytes(kResources + nSection, 0);
    bytes[0] = 'M';
    bytes[1] = 'Z';
    Put32(bytes, 0x3C, 0x40);
    Put32(bytes, 0x40, 0x00004550);
    Put16(bytes, 0x44, 0x8664);
    Put16(bytes, 0x46, 1);   // one section
    Put16(bytes, 0x54, 240); // optional header of PE32+ with 16 directories
    Put16(bytes, 0x58, 0x20B);
    Put32(bytes, 0x58 + 108, 16);
    Put32(bytes, 0x58 + 128, kResourcesRva);
    Put32(bytes, 0x58 + 132, static_cast<std::uint32_t>(nSection));
    const std::size_t section = 0x58 + 240;
    bytes[section] = '.';
    Put32(bytes, section + 8, static_cast<std::uint32_t>(nSection));
    Put32(bytes, section + 12, kResourcesRva);
    Put32(bytes, section + 16, static_cast<std::uint32_t>(nSection));
    Put32(bytes, section + 20, kResources);
    // Each directory: 16 bytes of header whose last word counts the id entries, then one entry.
    const std::uint32_t entries[][2] = {{6, 0x80000018}, {1, 0x80000030}, {0x40C, 0x48}};
    for (std::size_t level = 0; level < 3; ++level)
    {
        const std::size_t directory = kResources + level * 0x18;
        Put16(bytes, directory + 14, 1);
        Put32(bytes, directory + 16, entries[level][0]);
        Put32(bytes, directory + 20, entries[level][1]);
    }
    Put32(bytes, kResources + 0x48, kResourcesRva + 0x58);
    Put32(bytes, kResources + 0x4C, static_cast<std::uint32_t>(block.size()));
    std::copy(block.begin(), block.end(), bytes.begin() + kResources + 0x58);
    return bytes;
}

const std::vector<std::u16string> kStrings = {u"", u"LANGUE", u"English", u"", u"", u"", u"", u"",
                                              u"", u"",       u"",        u"", u"", u"", u"", u"dernier"};

TEST(ResourceImage, SoundModuleGivesItsStringsBack)
{
    const std::vector<std::uint8_t> bytes = MakeModule(kStrings);
    const auto image = ResourceImage::Parse(bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->String(1), u"LANGUE");
    EXPECT_EQ(image->String(2), u"English");
    EXPECT_EQ(image->String(3), u"");
    EXPECT_EQ(image->String(15), u"dernier");
    EXPECT_EQ(image->String(16), std::nullopt); // block 2 does not exist
    EXPECT_FALSE(image->Find(4, 1));
    ASSERT_TRUE(image->Find(6, 1));
}

TEST(ResourceImage, TenThousandCharacterNameReadsWhole)
{
    const std::u16string name(10'000, u'x');
    const std::vector<std::uint8_t> bytes = MakeModule({u"", u"LANGUE", name});
    const auto image = ResourceImage::Parse(bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->String(2), name);
}

struct Damage
{
    const char* name;
    std::size_t at;
    std::uint32_t value;
    bool bWord;
};

TEST(ResourceImage, DamagedDirectoriesAreRefused)
{
    const Damage cases[] = {
        {"not a module", 0, 0x5A40, false},
        {"header beyond the file", 0x3C, 0x7FFFFFF0, true},
        {"resource directory outside every section", 0x58 + 128, 0x9000, true},
        {"section data beyond the file", 0x58 + 240 + 20, 0x7FFFFF00, true},
        {"a directory that points back to the root", kResources + 0x18 + 20, 0x80000000, true},
        {"a subdirectory beyond the section", kResources + 20, 0x8000F000, true},
        {"entry counts past the section", kResources + 14, 0xFFFF, false},
        {"data beyond the section", kResources + 0x4C, 0x10000, true},
        {"data before the section", kResources + 0x48, 0x10, true},
        {"a data entry where a directory belongs", kResources + 20, 0x18, true},
    };
    for (const Damage& d : cases)
    {
        std::vector<std::uint8_t> bytes = MakeModule(kStrings);
        if (d.bWord)
            Put32(bytes, d.at, d.value);
        else
            Put16(bytes, d.at, d.value);
        EXPECT_FALSE(ResourceImage::Parse(bytes)) << d.name;
    }
}

TEST(ResourceImage, StringLengthRunningPastItsBlockGivesNothing)
{
    std::vector<std::uint8_t> bytes = MakeModule(kStrings);
    // String 1's length, "LANGUE" stands after string 0's empty one.
    Put16(bytes, kResources + 0x58 + 2, 0x7FFF);
    const auto image = ResourceImage::Parse(bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->String(0), u"");
    EXPECT_EQ(image->String(1), std::nullopt);
    EXPECT_EQ(image->String(2), std::nullopt);
}

// Every prefix, and every byte set to values that make offsets and lengths large, small or
// negative: whatever Parse and String answer, they read nothing outside the bytes.
TEST(ResourceImage, NoTruncationOrDamagedByteReadsOutsideTheFile)
{
    const std::vector<std::uint8_t> sound = MakeModule(kStrings);
    std::size_t nParsed = 0;
    for (std::size_t length = 0; length < sound.size(); ++length)
    {
        const std::vector<std::uint8_t> prefix(sound.begin(), sound.begin() + static_cast<long>(length));
        nParsed += ResourceImage::Parse(prefix) ? 1 : 0;
    }
    EXPECT_EQ(nParsed, 0u) << "a module cut anywhere loses data its directory names";
    for (std::size_t at = 0; at < sound.size(); ++at)
    {
        for (int value : {0x00, 0x01, 0x7F, 0x80, 0xFF})
        {
            std::vector<std::uint8_t> bytes = sound;
            bytes[at] = static_cast<std::uint8_t>(value);
            if (const auto image = ResourceImage::Parse(bytes))
            {
                for (unsigned id = 0; id < 20; ++id)
                    static_cast<void>(image->String(id));
            }
        }
    }
}
} // namespace
