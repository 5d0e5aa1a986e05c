// The side bar's Ohm's law calculator inside the main window: results and their formulas, which
// results are emptied by which change, and the coupling of the R field with the resistor.
#include "main_dlg_fixture.h"

#include "res/resource.h"

namespace
{
struct Fields
{
    const char* r;
    const char* u;
    const char* i;
    const char* p;
};

struct CalcCase
{
    const char* name;
    Fields typed;
    UINT command;
    Fields after;
};

// The R field is typed first: it sets the resistor, and the others must not be emptied by that.
const CalcCase kCalcCases[] = {
    {"AllEmpty", {"", "", "", ""}, ID_CALC_U, {"", "Impossible", "", ""}},
    {"RFromUI", {"", "10", "0,002", ""}, ID_CALC_R, {"5000 (R=U/I)", "10", "0,002", ""}},
    {"RFromPI", {"", "", "2", "8"}, ID_CALC_R, {"2 (R=P/I²)", "", "2", "8"}},
    {"FirstChoiceWins", {"100", "7", "0,1", ""}, ID_CALC_P, {"100", "7", "0,1", "0,7 (P=UI)"}},
    {"IFromUR", {"3", "5", "", ""}, ID_CALC_I, {"3", "5", "1,667 (I=U/R)", ""}},
    {"IFromPR", {"4", "", "", "1"}, ID_CALC_I, {"4", "", "0,5 (I=sqrt(P/R))", "1"}},
    {"RoundsToZero", {"10000", "1", "", ""}, ID_CALC_I, {"10000", "1", "0 (I=U/R)", ""}},
    {"LettersReadZero", {"abc", "x", "", ""}, ID_CALC_I, {"abc", "x", "Impossible", ""}},
    {"RootOfANegative", {"-4", "", "", "1"}, ID_CALC_I, {"-4", "", "Impossible", "1"}},
    {"Overflow", {"", "1e30", "1e30", ""}, ID_CALC_P, {"", "1e30", "1e30", "Impossible"}},
};

class CalcTest : public MainDlgTest, public ::testing::WithParamInterface<CalcCase>
{
};

// The computed field alone changes; a computed R does not reach the resistor.
TEST_P(CalcTest, WritesTheResultIntoTheTargetFieldOnly)
{
    const CalcCase& c = GetParam();
    Open();
    TypeField(IDC_CALC_R, c.typed.r);
    TypeField(IDC_CALC_U, c.typed.u);
    TypeField(IDC_CALC_I, c.typed.i);
    TypeField(IDC_CALC_P, c.typed.p);
    const std::string value = ValueText();
    const RingPositions rings = Rings();
    Command(c.command);
    EXPECT_EQ(Field(IDC_CALC_R), c.after.r);
    EXPECT_EQ(Field(IDC_CALC_U), c.after.u);
    EXPECT_EQ(Field(IDC_CALC_I), c.after.i);
    EXPECT_EQ(Field(IDC_CALC_P), c.after.p);
    EXPECT_EQ(ValueText(), value);
    EXPECT_EQ(Rings(), rings);
}

INSTANTIATE_TEST_SUITE_P(Formulas, CalcTest, ::testing::ValuesIn(kCalcCases),
                         [](const auto& param) { return std::string(param.param.name); });

// A computed result keeps feeding later computations.
TEST_F(MainDlgTest, ComputedRFeedsTheNextComputation)
{
    Open();
    TypeField(IDC_CALC_U, "10");
    TypeField(IDC_CALC_I, "0,002");
    Command(ID_CALC_R);
    TypeField(IDC_CALC_U, "");
    Command(ID_CALC_U);
    EXPECT_EQ(Field(IDC_CALC_U), "10 (U=RI)");
    EXPECT_EQ(Field(IDC_CALC_R), "5000 (R=U/I)");
}

// An edit of U, I or P empties every computed one of them, the edited one included.
TEST_F(MainDlgTest, EditingUIPEmptiesComputedResults)
{
    Open();
    TypeField(IDC_CALC_R, "3");
    TypeField(IDC_CALC_U, "5");
    Command(ID_CALC_I);
    Command(ID_CALC_P);
    ASSERT_EQ(Field(IDC_CALC_I), "1,667 (I=U/R)");
    // P is computed from the rounded I that the field shows.
    ASSERT_EQ(Field(IDC_CALC_P), "8,335 (P=UI)");
    TypeField(IDC_CALC_U, "50");
    EXPECT_EQ(Field(IDC_CALC_I), "");
    EXPECT_EQ(Field(IDC_CALC_P), "");
    EXPECT_EQ(Field(IDC_CALC_U), "50");
    EXPECT_EQ(Field(IDC_CALC_R), "3");

    // "Impossible" carries no formula: it is no result to empty.
    TypeField(IDC_CALC_U, "");
    Command(ID_CALC_U);
    ASSERT_EQ(Field(IDC_CALC_U), "Impossible");
    TypeField(IDC_CALC_P, "2");
    EXPECT_EQ(Field(IDC_CALC_U), "Impossible");
}

// A keystroke into a field that still shows a result empties that field too.
TEST_F(MainDlgTest, TypingIntoAComputedFieldEmptiesIt)
{
    Open();
    TypeField(IDC_CALC_R, "5000");
    TypeField(IDC_CALC_I, "0,002");
    Command(ID_CALC_U);
    ASSERT_EQ(Field(IDC_CALC_U), "10 (U=RI)");
    TypeField(IDC_CALC_U, "10 (U=RI)5");
    EXPECT_EQ(Field(IDC_CALC_U), "");
    EXPECT_EQ(Field(IDC_CALC_I), "0,002");
}

struct ResistorChange
{
    const char* name;
    void (*apply)(MainDlgTest& test);
    const char* rField;
};

class ResistorChangeTest : public MainDlgTest, public ::testing::WithParamInterface<ResistorChange>
{
};

const ResistorChange kResistorChanges[] = {
    {"RingMoved", [](MainDlgTest& t) { t.MoveRing(kSlotMultiplier, 3); }, "47"},
    {"ValueTyped", [](MainDlgTest& t) { t.TypeValue("0,47"); }, "0,47"},
};

// A new resistor value rewrites R, even a computed one, and empties computed U, I and P.
TEST_P(ResistorChangeTest, RewritesRAndEmptiesComputedResults)
{
    const ResistorChange& c = GetParam();
    m_settings.m_nRingMode = kRingMode4;
    Open();
    MoveRings({5, 8, 0, 4, 0, 0});
    TypeField(IDC_CALC_U, "10");
    TypeField(IDC_CALC_I, "0,002");
    Command(ID_CALC_R);
    Command(ID_CALC_P);
    TypeField(IDC_CALC_I, "");
    Command(ID_CALC_I);
    ASSERT_EQ(Field(IDC_CALC_I), "0,002 (I=U/R)");
    c.apply(*this);
    EXPECT_EQ(Field(IDC_CALC_R), c.rField);
    EXPECT_EQ(Field(IDC_CALC_U), "10");
    EXPECT_EQ(Field(IDC_CALC_I), "");
    EXPECT_EQ(Field(IDC_CALC_P), "");
}

INSTANTIATE_TEST_SUITE_P(Changes, ResistorChangeTest, ::testing::ValuesIn(kResistorChanges),
                         [](const auto& param) { return std::string(param.param.name); });

struct RFieldCase
{
    const char* name;
    const char* typed;
    const char* value;
    RingPositions rings; // slots 0, 1, 3
};

const RFieldCase kRFieldCases[] = {
    {"Ohms", "4700", "4700", {5, 8, 0, 5, 0, 0}},
    {"FormulaDropped", "4700 (R=U/I)", "4700", {5, 8, 0, 5, 0, 0}},
    {"Comma", "0,47", "0,47", {5, 8, 0, 1, 0, 0}},
    {"SignDropped", "-47", "47", {5, 8, 0, 3, 0, 0}},
    {"LeadingBlankKept", " 47", "47", {5, 8, 0, 3, 0, 0}},
    {"Empty", "", "", {1, 1, 0, 1, 0, 0}},
};

class RFieldTest : public MainDlgTest, public ::testing::WithParamInterface<RFieldCase>
{
};

// Typing into R sets the unit to ohms and the box to the number; R is not written back.
TEST_P(RFieldTest, SetsTheResistorInOhms)
{
    const RFieldCase& c = GetParam();
    m_settings.m_nRingMode = kRingMode4;
    Open();
    ChooseEntry(IDC_UNIT, 1);
    TypeValue("1");
    TypeField(IDC_CALC_R, c.typed);
    EXPECT_EQ(Selection(IDC_UNIT), 0);
    EXPECT_EQ(ValueText(), c.value);
    EXPECT_EQ(Field(IDC_CALC_R), c.typed);
    RingPositions rings = Rings();
    rings[2] = rings[4] = rings[5] = 0;
    EXPECT_EQ(rings, c.rings);
}

INSTANTIATE_TEST_SUITE_P(Texts, RFieldTest, ::testing::ValuesIn(kRFieldCases),
                         [](const auto& param) { return std::string(param.param.name); });
} // namespace
