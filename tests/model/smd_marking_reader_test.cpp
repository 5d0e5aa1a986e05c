// Reading SMD markings: every code with its edges, the overlaps between codes, the faults.
#include "model/smd_marking_reader.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace
{
using enum SmdCode;
using enum SmdReadFault;
using Reader = SmdReading (*)(std::string_view);

struct Reading
{
    const char* text;
    double milliohms;
};

void ExpectReadings(Reader read, SmdCode code, std::span<const Reading> cases)
{
    for (const Reading& c : cases)
    {
        const SmdReading reading = read(c.text);
        ASSERT_TRUE(reading.IsRead()) << '"' << c.text << "\" fault " << static_cast<int>(reading.fault);
        EXPECT_EQ(reading.code, code) << '"' << c.text << '"';
        EXPECT_EQ(reading.milliohms, c.milliohms) << '"' << c.text << '"';
    }
}

void ExpectFault(Reader read, SmdReadFault fault, std::initializer_list<std::string_view> texts)
{
    for (std::string_view text : texts)
    {
        EXPECT_EQ(read(text).fault, fault) << '"' << text << '"';
    }
}

TEST(ReadSmdMarking, EveryCode)
{
    const Reading threeDigit[] = {
        {"472", 4.7e6}, {"100", 10e3},  {"000", 0.0},  {"010", 1e3},   {"999", 99e12},
        {"4R7", 4.7e3}, {"R47", 470.0}, {"R01", 10.0}, {"r47", 470.0}, {" \t472\r\n", 4.7e6},
    };
    ExpectReadings(ReadSmdMarking, ThreeDigit, threeDigit);
    const Reading zeroLink[] = {{"0", 0.0}, {" 0 ", 0.0}};
    ExpectReadings(ReadSmdMarking, ZeroLink, zeroLink);
    const Reading fourDigit[] = {
        {"4701", 4.7e6}, {"1002", 10e6},  {"0000", 0.0}, {"9999", 999e12},
        {"10R0", 10e3},  {"R100", 100.0}, {"R001", 1.0}, {"470R", 470e3},
    };
    ExpectReadings(ReadSmdMarking, FourDigit, fourDigit);
    // Both ends of the index and of the multipliers, both letters of a pair; "47R" is not 47 ohms.
    const Reading eia96[] = {
        {"01C", 10e6}, {"68X", 49.9e3}, {"68S", 49.9e3}, {"68x", 49.9e3}, {"01Z", 100.0},  {"01Y", 1e3},
        {"01R", 1e3},  {"01A", 100e3},  {"01H", 1e6},    {"96F", 97.6e9}, {"47R", 3.01e3},
    };
    ExpectReadings(ReadSmdMarking, Eia96, eia96);
    const Reading letter[] = {
        {"4K7", 4.7e6}, {"4k7", 4.7e6}, {"2M2", 2.2e9},   {"1m5", 1.5},  {"47K", 47e6},
        {"K47", 470e3}, {"01K", 1e6},   {"47m", 47.0},    {"47M", 47e9}, {"m5", 0.5},
        {"5R", 5e3},    {"1000R", 1e6}, {"R4753", 475.3},
    };
    ExpectReadings(ReadSmdMarking, Letter, letter);
}

TEST(ReadSmdMarking, TextsThatFitNoCode)
{
    ExpectFault(ReadSmdMarking, Empty, {"", " \t "});
    ExpectFault(ReadSmdMarking, NoDigit, {"R", "m"});
    ExpectFault(ReadSmdMarking, SeveralLetters, {"RR", "4R7R", "4K7M"});
    ExpectFault(ReadSmdMarking, EiaIndexOutOfRange, {"00A", "97A", "00R", "97R"});
    ExpectFault(ReadSmdMarking, UnknownMultiplier, {"01Q", "01G"});
    ExpectFault(ReadSmdMarking, LetterOutOfPlace, {"1e9", "4A7", "1001C"});
    ExpectFault(ReadSmdMarking, TooLong, {"12345678901234567890", "R47000"});
    ExpectFault(ReadSmdMarking, DigitCount, {"5", "47", "12345"});
    ExpectFault(ReadSmdMarking, BadCharacter, {"4 72", "4,7", "-472", "47\xB5", std::string_view("47\0", 3)});
}

TEST(ReadLetterCode, LetterCodeAlone)
{
    const Reading letter[] = {
        {"4K7", 4.7e6}, {"47R", 47e3},  {"97R", 97e3},   {"R47", 470.0}, {"10R0", 10e3},
        {" 1m5 ", 1.5}, {"2M2", 2.2e9}, {"100k", 100e6}, {"0R", 0.0},
    };
    ExpectReadings(ReadLetterCode, Letter, letter);
    ExpectFault(ReadLetterCode, NoDecimalMark, {"472", "0"});
    ExpectFault(ReadLetterCode, LetterOutOfPlace, {"01C", "1e9"});
    ExpectFault(ReadLetterCode, SeveralLetters, {"4K7R"});
    ExpectFault(ReadLetterCode, TooLong, {"12K345"});
    ExpectFault(ReadLetterCode, BadCharacter, {"4,7K"});
}
} // namespace
