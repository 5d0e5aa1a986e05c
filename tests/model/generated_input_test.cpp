// Generated texts through every text entry point: no crash under the sanitizers, and sane results.
#include "model/number_reader.h"
#include "model/ohms_law.h"
#include "model/resistance_range.h"
#include "model/resistor_state.h"
#include "model/smd_marking_reader.h"
#include "model/smd_marking_writer.h"
#include "model/standard_series.h"
#include "model/value_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace
{
void ExpectSaneResults(const std::string& text)
{
    for (int unit = -1; unit <= 3; ++unit)
    {
        const std::string kept = FilterValueText(text, unit);
        EXPECT_TRUE(kept.size() <= 10 && kept.find_first_not_of("0123456789,.") == std::string::npos) << kept;
        const double fromBox = ParseValueText(kept, unit);
        EXPECT_TRUE(fromBox >= 0.0 && std::isfinite(fromBox)) << kept;

        const double milliohms = ParseValueText(text, unit);
        for (int ringMode = kRingMode4; ringMode <= kRingMode6; ++ringMode)
        {
            ResistorState state;
            ValueToRings(milliohms, ringMode, state);
            for (std::size_t slot = 0; slot < kRingSlotCount; ++slot)
            {
                ASSERT_TRUE(state.positions[slot] >= 1 && state.positions[slot] <= kRingPositionCount[slot])
                    << text;
            }
        }
        for (double ohms : StandardSeriesLines(milliohms).ohms)
        {
            EXPECT_TRUE(ohms >= 0.0 && std::isfinite(ohms)) << text;
        }
    }
    const CalcValues values{ReadCalcField(text), 1.5f, -2.0f, ReadCalcField(KeptResistanceText(text))};
    for (CalcQuantity target : {CalcQuantity::R, CalcQuantity::U, CalcQuantity::I, CalcQuantity::P})
    {
        EXPECT_FALSE(CalcResultText(target, values, "Impossible").empty());
    }
}

TEST(GeneratedInput, RandomBytesAndNumberLikeTexts)
{
    // Number-like texts are made of the pieces a number is read from, so every reading path is taken.
    const char* const pieces[] = {"0", "1",  "9",    "000",   "999999999",    ",", ".", "e",   "E", "-", "+",
                                  " ", "\t", "e400", "e-400", "e99999999999", "k", "(", "\xB2"};
    std::mt19937 random(1u);
    for (int i = 0; i < 3000; ++i)
    {
        std::string bytes(random() % 24, '\0');
        for (char& c : bytes)
        {
            c = static_cast<char>(random() % 256);
        }
        ExpectSaneResults(bytes);

        std::string numberLike;
        for (auto count = random() % 12; count > 0; --count)
        {
            numberLike += pieces[random() % std::size(pieces)];
        }
        ExpectSaneResults(numberLike);
    }
}

SmdMarking WriteInCode(SmdCode code, double milliohms)
{
    switch (code)
    {
    case SmdCode::ThreeDigit:
        return WriteThreeDigitCode(milliohms);
    case SmdCode::FourDigit:
        return WriteFourDigitCode(milliohms);
    case SmdCode::Eia96:
        return WriteEia96Code(milliohms);
    default:
        return {};
    }
}

void ExpectSaneMarking(const std::string& text)
{
    for (const SmdReading& reading : {ReadSmdMarking(text), ReadLetterCode(text)})
    {
        EXPECT_EQ(reading.IsRead(), reading.fault == SmdReadFault::None) << text;
        EXPECT_TRUE(reading.milliohms >= 0.0 && reading.milliohms <= kLargestMilliohms) << text;
    }
    const SmdReading reading = ReadSmdMarking(text);
    if (reading.IsRead() && reading.code != SmdCode::Letter && reading.code != SmdCode::ZeroLink)
    {
        // What a digit code or EIA-96 reads, the same code writes, maybe in other digits ("010" is
        // "1R0"), and that reads back as the same value.
        const SmdMarking written = WriteInCode(reading.code, reading.milliohms);
        ASSERT_EQ(written.fault, SmdWriteFault::None) << text;
        EXPECT_EQ(ReadSmdMarking(written.text).milliohms, reading.milliohms) << text << " " << written.text;
    }
    if (const std::optional<double> number = ReadWholeNumber(text))
    {
        EXPECT_TRUE(std::isfinite(*number)) << text;
    }
}

TEST(GeneratedInput, MarkingLikeTexts)
{
    const char* const pieces[] = {"0", "1", "4", "7", "9", "R", "r", "K", "k", "M",   "m",
                                  "A", "C", "F", "X", "Z", "Q", "e", " ", ",", "\xB5"};
    std::mt19937 random(2u);
    for (int i = 0; i < 20'000; ++i)
    {
        std::string text;
        for (auto count = random() % 7; count > 0; --count)
        {
            text += pieces[random() % std::size(pieces)];
        }
        ExpectSaneMarking(text);

        std::string bytes(random() % 8, '\0');
        for (char& c : bytes)
        {
            c = static_cast<char>(random() % 256);
        }
        ExpectSaneMarking(bytes);
    }
}
} // namespace
