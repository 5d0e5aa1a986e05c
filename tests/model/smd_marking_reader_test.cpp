// Reading SMD markings: every code with its edges, the overlaps between codes, the faults.
#include "model/smd_marking_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
using enum SmdCode;
using enum SmdReadFault;

struct ReadCase
{
    std::string text;
    SmdCode code;
    double milliohms;
};

void ExpectRead(const SmdReading& reading, const ReadCase& c)
{
    ASSERT_TRUE(reading.IsRead()) << '"' << c.text << "\" fault " << static_cast<int>(reading.fault);
    EXPECT_EQ(reading.code, c.code) << '"' << c.text << '"';
    EXPECT_EQ(reading.milliohms, c.milliohms) << '"' << c.text << '"';
}

TEST(ReadSmdMarking, EveryCode)
{
    const ReadCase cases[] = {
        // 3-digit code, and R as its decimal mark.
        {"472", ThreeDigit, 4.7e6},
        {"100", ThreeDigit, 10e3},
        {"000", ThreeDigit, 0.0},
        {"010", ThreeDigit, 1e3},
        {"999", ThreeDigit, 99e12},
        {"4R7", ThreeDigit, 4.7e3},
        {"R47", ThreeDigit, 470.0},
        {"R01", ThreeDigit, 10.0},
        {"R00", ThreeDigit, 0.0},
        {"0" /* the link's own marking */, ZeroLink, 0.0},
        // 4-digit code.
        {"4701", FourDigit, 4.7e6},
        {"1002", FourDigit, 10e6},
        {"0000", FourDigit, 0.0},
        {"9999", FourDigit, 999e12},
        {"10R0", FourDigit, 10e3},
        {"R100", FourDigit, 100.0},
        {"R001", FourDigit, 1.0},
        {"4R70", FourDigit, 4.7e3},
        {"470R", FourDigit, 470e3},
        // EIA-96, each multiplier letter, both letters of the pairs, both ends of the index.
        {"01C", Eia96, 10e6},
        {"68X", Eia96, 49.9e3},
        {"68S", Eia96, 49.9e3},
        {"01Z", Eia96, 100.0},
        {"01Y", Eia96, 1e3},
        {"01R", Eia96, 1e3},
        {"01A", Eia96, 100e3},
        {"01B", Eia96, 1e6},
        {"01H", Eia96, 1e6},
        {"02D", Eia96, 102e6},
        {"96E", Eia96, 9.76e9},
        {"96F", Eia96, 97.6e9},
        {"47R" /* EIA-96 wins over the letter code */, Eia96, 3.01e3},
        // Letter code.
        {"4K7", Letter, 4.7e6},
        {"2M2", Letter, 2.2e9},
        {"1m5", Letter, 1.5},
        {"47K", Letter, 47e6},
        {"K47", Letter, 470e3},
        {"01K", Letter, 1e6},
        {"47m", Letter, 47.0},
        {"47M", Letter, 47e9},
        {"m5", Letter, 0.5},
        {"R5", Letter, 500.0},
        {"5R", Letter, 5e3},
        {"1000R", Letter, 1e6},
        {"R4753", Letter, 475.3},
        {"9999M", Letter, 9.999e12},
        // Case and blanks.
        {"4k7", Letter, 4.7e6},
        {"4r7", ThreeDigit, 4.7e3},
        {"r47", ThreeDigit, 470.0},
        {"01c", Eia96, 10e6},
        {"68x", Eia96, 49.9e3},
        {" \t472\r\n", ThreeDigit, 4.7e6},
        {"  4K7 ", Letter, 4.7e6},
    };
    for (const ReadCase& c : cases)
    {
        ExpectRead(ReadSmdMarking(c.text), c);
    }
}

TEST(ReadSmdMarking, TextsThatFitNoCode)
{
    const struct
    {
        std::string text;
        SmdReadFault fault;
    } cases[] = {
        {"", Empty},
        {" \t ", Empty},
        {"R", NoDigit},
        {"m", NoDigit},
        {"RR", SeveralLetters},
        {"4R7R", SeveralLetters},
        {"4K7M", SeveralLetters},
        {"R4R", SeveralLetters},
        {"00A", EiaIndexOutOfRange},
        {"97A", EiaIndexOutOfRange},
        {"99F", EiaIndexOutOfRange},
        {"00R", EiaIndexOutOfRange},
        {"97R", EiaIndexOutOfRange},
        {"01Q", UnknownMultiplier},
        {"01G", UnknownMultiplier},
        {"1e9", LetterOutOfPlace},
        {"4A7", LetterOutOfPlace},
        {"A01", LetterOutOfPlace},
        {"1C", LetterOutOfPlace},
        {"01ZZ", SeveralLetters},
        {"1001C", LetterOutOfPlace},
        {std::string(20, '1'), TooLong},
        {"100000", TooLong},
        {"R47000", TooLong},
        {"5", DigitCount},
        {"00", DigitCount},
        {"47", DigitCount},
        {"12345", DigitCount},
        {"4 72", BadCharacter},
        {"4,7", BadCharacter},
        {"4.7K", BadCharacter},
        {"-472", BadCharacter},
        {"47\xB5", BadCharacter},
        {std::string("47\0", 3), BadCharacter},
    };
    for (const auto& c : cases)
    {
        const SmdReading reading = ReadSmdMarking(c.text);
        EXPECT_EQ(reading.fault, c.fault) << '"' << c.text << '"';
        EXPECT_FALSE(reading.IsRead()) << '"' << c.text << '"';
    }
}

TEST(ReadLetterCode, LetterCodeAlone)
{
    const ReadCase cases[] = {
        {"4K7", Letter, 4.7e6}, {"47R", Letter, 47e3},  {"00R", Letter, 0.0},    {"97R", Letter, 97e3},
        {"4R7", Letter, 4.7e3}, {"R47", Letter, 470.0}, {"10R0", Letter, 10e3},  {" 1m5 ", Letter, 1.5},
        {"2M2", Letter, 2.2e9}, {"2m2", Letter, 2.2},   {"100k", Letter, 100e6}, {"0R", Letter, 0.0},
    };
    for (const ReadCase& c : cases)
    {
        ExpectRead(ReadLetterCode(c.text), c);
    }

    const struct
    {
        std::string text;
        SmdReadFault fault;
    } faults[] = {
        {"472", NoDecimalMark},
        {"0", NoDecimalMark},
        {"01C", LetterOutOfPlace},
        {"1e9", LetterOutOfPlace},
        {"R", NoDigit},
        {"4K7R", SeveralLetters},
        {"", Empty},
        {"4,7K", BadCharacter},
        {"12K345", TooLong},
        {"4K7 Ohm", BadCharacter},
    };
    for (const auto& c : faults)
    {
        EXPECT_EQ(ReadLetterCode(c.text).fault, c.fault) << '"' << c.text << '"';
    }
}
} // namespace
