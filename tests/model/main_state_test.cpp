// The main window's update cycle as transitions: each row a starting state, what the user does
// and what the window then shows.
#include "model/main_state.h"

#include "model/value_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
using Positions = std::array<std::int32_t, kRingSlotCount>;

constexpr std::size_t kE12 = 2;
constexpr std::size_t kE24 = 3;
constexpr std::size_t kE96 = 5;
constexpr std::size_t R = 0;
constexpr std::size_t U = 1;
constexpr std::size_t I = 2;
constexpr std::size_t P = 3;
constexpr const char* kImpossible = "Impossible";

// Stored rings shown for the first time, as the window starts.
MainState Started(int ringMode, Positions positions)
{
    MainState state;
    state.rings.ringMode = ringMode;
    state.rings.positions = positions;
    return ShowRings(state);
}

MainState WithFields(MainState state, const char* r, const char* u, const char* i, const char* p)
{
    state.calc = {r, u, i, p};
    return state;
}

// Grey, red, gold and the tolerance and temperature at their first position: 8,2 ohms.
const Positions kGreyRedGold = {9, 3, 1, 2, 1, 1};

struct Shown
{
    std::string value;
    int unit;
    Positions rings;
    std::string rField;
};

struct Case
{
    const char* name;
    std::function<MainState()> act;
    Shown expected;
};

TEST(MainState, EachActionLeavesTheWindowShowingWhatFollowsFromIt)
{
    const Case cases[] = {
        {"stored rings shown",
         [] { return Started(kRingMode4, kGreyRedGold); },
         {"8,2", kUnitOhm, kGreyRedGold, "8,2"}},
        {"multiplier moved to red",
         [] { return MoveRing(Started(kRingMode4, kGreyRedGold), kSlotMultiplier, 5); },
         {"8,2", kUnitKiloOhm, {9, 3, 1, 5, 1, 1}, "8200"}},
        {"a move past the selector's end stops at its end",
         [] { return MoveRing(Started(kRingMode4, kGreyRedGold), kSlotMultiplier, 40); },
         {"82", kUnitMegaOhm, {9, 3, 1, 9, 1, 1}, "82000000"}},
        {"4,79 typed in kilo-ohms with 4 rings: the box keeps it, the rings round it",
         [] { return TypeValue(ChooseUnit(Started(kRingMode4, kGreyRedGold), kUnitKiloOhm), "4,79"); },
         {"4,79", kUnitKiloOhm, {5, 8, 1, 5, 1, 1}, "4790"}},
        {"a letter typed is removed",
         [] { return TypeValue(Started(kRingMode4, kGreyRedGold), "4a7"); },
         {"47", kUnitOhm, {5, 8, 1, 3, 1, 1}, "47"}},
        {"0 typed: black rings and the smallest multiplier",
         [] { return TypeValue(Started(kRingMode5, kGreyRedGold), "0"); },
         {"0", kUnitOhm, {1, 1, 1, 1, 1, 1}, "0"}},
        {"the largest value typed keeps the multiplier at its end",
         [] { return TypeValue(ChooseUnit(Started(kRingMode4, kGreyRedGold), kUnitMegaOhm), "9999"); },
         {"9999", kUnitMegaOhm, {10, 10, 1, 9, 1, 1}, "9998999552"}},
        {"another unit: the number stays and means another resistance",
         [] { return ChooseUnit(Started(kRingMode4, kGreyRedGold), kUnitKiloOhm); },
         {"8,2", kUnitKiloOhm, {9, 3, 1, 5, 1, 1}, "8200"}},
        {"5 rings to 4 with 4,75 kilo-ohms: yellow, violet, red, the box unchanged",
         []
         {
             MainState state = TypeValue(ChooseUnit(Started(kRingMode5, kGreyRedGold), kUnitKiloOhm), "4,75");
             return ChooseRingCount(state, kRingMode4);
         },
         {"4,75", kUnitKiloOhm, {5, 8, 6, 5, 1, 1}, "4750"}},
        {"the E12 line taken while the unit is mega-ohms: its value in ohms",
         []
         {
             MainState state = TypeValue(ChooseUnit(Started(kRingMode4, kGreyRedGold), kUnitMegaOhm), "4,6");
             return TakeStandardLine(state, kE12);
         },
         {"4700000", kUnitOhm, {5, 8, 1, 8, 1, 1}, "4700000"}},
        {"49,9 ohms taken from the tools while the unit is kilo-ohms: ohms, the rings as typed 49,9 sets "
         "them",
         [] { return TakeResistance(ChooseUnit(Started(kRingMode4, kGreyRedGold), kUnitKiloOhm), 49.9); },
         {"49,9", kUnitOhm, {5, 10, 1, 3, 1, 1}, "49,9"}},
        {"a negative or unbounded resistance from the tools is read as the model reads it",
         [] { return TakeResistance(Started(kRingMode4, kGreyRedGold), -33.0); },
         {"33", kUnitOhm, {4, 4, 1, 3, 1, 1}, "33"}},
        {"4700 typed into R while the unit is kilo-ohms: ohms, and R is not written back",
         []
         {
             return TypeCalcField(ChooseUnit(Started(kRingMode4, kGreyRedGold), kUnitKiloOhm),
                                  CalcQuantity::R, "4700 (R=U/I)");
         },
         {"4700", kUnitOhm, {5, 8, 1, 5, 1, 1}, "4700 (R=U/I)"}},
        {"a value typed while the rings were being set: the rings follow the typing",
         [] { return TypeValue(MoveRing(Started(kRingMode4, kGreyRedGold), kSlotFirstDigit, 2), "33"); },
         {"33", kUnitOhm, {4, 4, 1, 3, 1, 1}, "33"}},
    };
    for (const Case& c : cases)
    {
        const MainState state = c.act();
        EXPECT_EQ(state.valueText, c.expected.value) << c.name;
        EXPECT_EQ(state.unit, c.expected.unit) << c.name;
        EXPECT_EQ(state.rings.positions, c.expected.rings) << c.name;
        EXPECT_EQ(state.calc[R], c.expected.rField) << c.name;
    }
}

// The options sheet's OK changes the ring count through the same rule as the ring commands,
// whatever else it changed, and leaves the state alone when only the picture changed.
TEST(MainState, OptionsChangeTheRingCountAsTheCommandsDo)
{
    const MainState start =
        WithFields(TypeValue(ChooseUnit(Started(kRingMode5, kGreyRedGold), kUnitKiloOhm), "4,75"), "4750",
                   "2 (U=R*I)", "", "");
    const PictureOptions picture{true, false, "fond.bmp"};
    for (int ringMode : {kRingMode4, kRingMode5, kRingMode6})
    {
        MainState expected = ringMode == kRingMode5 ? start : ChooseRingCount(start, ringMode);
        expected.picture = picture;
        EXPECT_EQ(ApplyOptions(start, ringMode, picture), expected) << ringMode;
    }
    EXPECT_EQ(ApplyOptions(start, kRingMode5, start.picture), start);
}

struct CalcCase
{
    const char* name;
    std::function<MainState(const MainState&)> act;
    std::array<std::string, kCalcFieldCount> fields;
    // Only a value typed into the box or into R changes the resistor.
    bool keepsResistor = true;
};

TEST(MainState, CalculatorFieldsFollowTheirRules)
{
    const MainState start = Started(kRingMode4, kGreyRedGold);
    const CalcCase cases[] = {
        {"nothing to compute from",
         [](const MainState& s)
         { return Calculate(WithFields(s, "", "", "", ""), CalcQuantity::I, kImpossible); },
         {"", "", kImpossible, ""}},
        {"R from U and I leaves the resistor alone",
         [](const MainState& s)
         { return Calculate(WithFields(s, "8,2", "10", "0,002", ""), CalcQuantity::R, kImpossible); },
         {"5000 (R=U/I)", "10", "0,002", ""}},
        {"a negative quotient has no root",
         [](const MainState& s)
         { return Calculate(WithFields(s, "-4", "", "", "1"), CalcQuantity::I, kImpossible); },
         {"-4", "", kImpossible, "1"}},
        {"a keystroke in U empties the computed I, not the computed R",
         [](const MainState& s) {
             return TypeCalcField(WithFields(s, "5000 (R=U/I)", "5", "1,667 (I=U/R)", "2"), CalcQuantity::U,
                                  "6");
         },
         {"5000 (R=U/I)", "6", "", "2"}},
        {"a field typed into while it still shows its result is emptied itself",
         [](const MainState& s) {
             return TypeCalcField(WithFields(s, "3", "5", "1,667 (I=U/R)", ""), CalcQuantity::I,
                                  "1,667 (I=U/R)9");
         },
         {"3", "5", "", ""}},
        {"a new value rewrites R and empties the computed fields",
         [](const MainState& s)
         { return TypeValue(WithFields(s, "5000 (R=U/I)", "5", "1,667 (I=U/R)", "8 (P=UI)"), "47"); },
         {"47", "5", "", ""},
         false},
        {"another unit rewrites R and keeps the results",
         [](const MainState& s)
         { return ChooseUnit(WithFields(s, "8,2", "5", "1,667 (I=U/R)", ""), kUnitKiloOhm); },
         {"8200", "5", "1,667 (I=U/R)", ""},
         false},
        {"the side bar built anew",
         [](const MainState& s) { return ClearCalcFields(WithFields(s, "8,2", "5", "1", "2")); },
         {"", "", "", ""}},
    };
    for (const CalcCase& c : cases)
    {
        const MainState state = c.act(start);
        EXPECT_EQ(state.calc, c.fields) << c.name;
        if (c.keepsResistor)
        {
            EXPECT_EQ(state.rings, start.rings) << c.name;
            EXPECT_EQ(state.valueText, start.valueText) << c.name;
        }
    }
}

TEST(MainState, LinesFollowTheValueAndTheirMarksTheTolerance)
{
    const MainState typed = TypeValue(ChooseUnit(Started(kRingMode4, kGreyRedGold), kUnitKiloOhm), "4,79");
    EXPECT_EQ(typed.standardLines[kE96], "E96 : 4,75 kOhm");
    EXPECT_DOUBLE_EQ(typed.standardOhms[kE12], 4700.0);

    const MainState fivePercent = ChooseTolerance(typed, 1);
    EXPECT_EQ(fivePercent.rings.positions[kSlotTolerance], 2);
    EXPECT_EQ(fivePercent.tolerance, 1);
    std::array<bool, kSeriesCount> onlyE24{};
    onlyE24[kE24] = true;
    EXPECT_EQ(fivePercent.marked, onlyE24);
    EXPECT_EQ(fivePercent.valueText, typed.valueText);

    // The temperature list moves its ring only; a choice beyond the ring's end stops at it.
    const MainState tempCo = ChooseTempCo(fivePercent, 12);
    EXPECT_EQ(tempCo.rings.positions[kSlotTempCo], kRingPositionCount[kSlotTempCo]);
    EXPECT_EQ(tempCo.marked, onlyE24);
    EXPECT_EQ(tempCo.calc, fivePercent.calc);
}

// Initialisation ran the update twice and a ring move ends in the same state as the start of
// the same rings: the cycle must settle at once.
TEST(MainState, ShowingTheRingsAgainChangesNothing)
{
    for (int mode : {kRingMode4, kRingMode5, kRingMode6})
    {
        const MainState once = Started(mode, {4, 8, 2, 6, 3, 7});
        EXPECT_EQ(ShowRings(once), once) << mode;
        EXPECT_EQ(MoveRing(once, kSlotSecondDigit, 8), once) << mode;
    }
}
} // namespace
