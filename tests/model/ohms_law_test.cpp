// The calculator's rules: reading fields, choosing the formula, the result text, the R field's value.
#include "model/ohms_law.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace
{
constexpr const char* kImpossible = "Impossible";
constexpr float kInfinity = std::numeric_limits<float>::infinity();

TEST(ReadCalcField, CommaOrPointAndComputedTexts)
{
    const struct
    {
        const char* text;
        float value;
    } cases[] = {
        {"4,7", 4.7f},       {"4.7", 4.7f},         {"1000 (R=U/I)", 1000.0f}, {"12k", 12.0f},
        {"", 0.0f},          {"Impossible", 0.0f},  {"  -0,002", -0.002f},     {"1,5,3", 1.5f},
        {"1e39", kInfinity}, {"-1e39", -kInfinity}, {"1e-50", 0.0f}, // beyond single precision
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(ReadCalcField(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(CalcResultText, FormulaTableAndResults)
{
    using enum CalcQuantity;
    const struct
    {
        CalcQuantity target;
        CalcValues values; // r, u, i, p
        const char* text;
    } cases[] = {
        {R, {0, 0, 0, 0}, kImpossible},          {P, {0, 0, 0, 0}, kImpossible},
        {R, {0, 10, 0.002f, 0}, "5000 (R=U/I)"}, {R, {0, 0, 2, 8}, "2 (R=P/I\xB2)"},
        {R, {123, 0, 2, 0}, kImpossible},     // the target's own field takes no part
        {P, {100, 7, 0.1f, 0}, "0,7 (P=UI)"}, // first choice wins
        {P, {100, 0, 0.1f, 0}, "1 (P=RI\xB2)"},  {I, {3, 5, 0, 0}, "1,667 (I=U/R)"},
        {I, {4, 0, 0, 1}, "0,5 (I=sqrt(P/R))"},  {I, {10'000, 1, 0, 0}, "0 (I=U/R)"},
        {I, {-10'000, 1, 0, 0}, "0 (I=U/R)"}, // no "-0"
        {U, {5000, 0, 0.002f, 0}, "10 (U=RI)"},  {U, {0, 0, 0.5f, 2}, "4 (U=P/I)"},
        {U, {-3, 0, 2, 0}, "-6 (U=RI)"},        // negative values are usable
        {I, {-4, 0, 0, 1}, kImpossible},        // root of a negative quotient
        {P, {1e30f, 0, 1e30f, 0}, kImpossible}, // overflow
        {R, {0, 0, 1e-30f, 1}, kImpossible},    // I x I underflows to zero
        {R, {0, kInfinity, 2, 0}, kImpossible},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(CalcResultText(c.target, c.values, kImpossible), c.text)
            << "target " << static_cast<int>(c.target) << " r " << c.values.r << " u " << c.values.u << " i "
            << c.values.i << " p " << c.values.p;
    }
}

TEST(CalcResultText, ComputedFieldFeedsTheNextComputation)
{
    CalcValues values{0, ReadCalcField("10"), ReadCalcField("0,002"), 0};
    const std::string r = CalcResultText(CalcQuantity::R, values, kImpossible);
    EXPECT_TRUE(IsCalcResultText(r));
    values.r = ReadCalcField(r);
    values.u = ReadCalcField("");
    EXPECT_EQ(CalcResultText(CalcQuantity::U, values, kImpossible), "10 (U=RI)");
    EXPECT_FALSE(IsCalcResultText(kImpossible));
}

TEST(ChooseCalcFormula, SecondChoiceOnlyWithoutTheFirst)
{
    using enum CalcQuantity;
    EXPECT_EQ(ChooseCalcFormula(U, {1, 1, 1, 1}), CalcFormula::UFromRI);
    EXPECT_EQ(ChooseCalcFormula(I, {1, 1, 1, 1}), CalcFormula::IFromUR);
    EXPECT_EQ(ChooseCalcFormula(U, {0, 1, 1, 1}), CalcFormula::UFromPI);
    EXPECT_EQ(ChooseCalcFormula(P, {1, 1, 0, 1}), std::nullopt);
}

TEST(KeptResistanceText, TextBeforeTheFirstBlankPastTheStart)
{
    const struct
    {
        const char* field;
        const char* kept;
    } cases[] = {
        {"5000 (R=U/I)", "5000"}, {"4700", "4700"}, {"", ""}, {" 5 (R=U/I)", " 5"}, {"4,7\t1", "4,7\t1"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(KeptResistanceText(c.field), c.kept) << '"' << c.field << '"';
    }
}
} // namespace
