// Generated texts through every text entry point: no crash under the sanitizers, and sane results.
#include "model/ohms_law.h"
#include "model/resistor_state.h"
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
} // namespace
