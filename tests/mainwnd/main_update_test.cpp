// The main window's update cycle: each gesture and what the other controls, the standard-value
// lines and the R field show afterwards, in both layouts where the layout matters.
#include "main_dlg_fixture.h"

#include "framework/scopes.h"
#include "picture/resistor_picture.h"
#include "model/ring_colours.h"
#include "res/resource.h"

#include <commctrl.h>

namespace
{
constexpr int B = 1, R = 3, Y = 5, V = 8, G = 9; // digit positions: black, red, yellow, violet, grey
constexpr int kGold = 2, kRed = 5, kOrange = 6;  // multiplier positions

struct RingCase
{
    const char* name;
    int ringMode;
    RingPositions rings;
    const char* value;
    int unit;
    const char* rField;
    const char* e12Line;
};

const RingCase kRingCases[] = {
    {"GreyRedGold", kRingMode4, {G, R, 0, kGold, 0, 0}, "8,2", 0, "8,2", "E12 : 8,2 Ohm"},
    {"GreyRedRed", kRingMode4, {G, R, 0, kRed, 0, 0}, "8,2", 1, "8200", "E12 : 8,2 kOhm"},
    {"YellowVioletSilver", kRingMode4, {Y, V, 0, 1, 0, 0}, "0,47", 0, "0,47", "E12 : 0,47 Ohm"},
    {"FiveRingsThirdDigitCounts", kRingMode5, {Y, V, R, kRed, 0, 0}, "47,2", 1, "47200", "E12 : 47 kOhm"},
    {"FourRingsIgnoreThirdDigit", kRingMode4, {Y, V, R, kOrange, 0, 0}, "47", 1, "47000", "E12 : 47 kOhm"},
};

class RingMoveTest : public MainDlgTest, public ::testing::WithParamInterface<std::tuple<RingCase, UINT>>
{
};

TEST_P(RingMoveTest, RewritesValueUnitRFieldAndLines)
{
    const auto& [c, layout] = GetParam();
    m_settings.m_nRingMode = c.ringMode;
    Open(layout);
    MoveRings(c.rings);
    EXPECT_EQ(ValueText(), c.value);
    EXPECT_EQ(Selection(IDC_UNIT), c.unit);
    EXPECT_EQ(Field(IDC_CALC_R), c.rField);
    EXPECT_EQ(Line(1019), c.e12Line);
}

INSTANTIATE_TEST_SUITE_P(Rings, RingMoveTest,
                         ::testing::Combine(::testing::ValuesIn(kRingCases),
                                            ::testing::Values(IDD_MAIN_VERTICAL, IDD_MAIN_HORIZONTAL)),
                         [](const auto& param)
                         {
                             return std::string(std::get<0>(param.param).name) +
                                    (std::get<1>(param.param) == IDD_MAIN_VERTICAL ? "Vertical"
                                                                                   : "Horizontal");
                         });

struct TypeCase
{
    const char* name;
    int ringMode;
    int unit;
    const char* typed;
    const char* kept;
    RingPositions rings; // slots 0 to 3; 0: not checked
    const char* rField;
    const char* e96Line;
};

const TypeCase kTypeCases[] = {
    {"KiloOhmsKeepTheirThirdDigit",
     kRingMode4,
     1,
     "4,79",
     "4,79",
     {Y, V, 0, kRed, 0, 0},
     "4790",
     "E96 : 4,75 kOhm"},
    {"FiveRings", kRingMode5, 1, "4,79", "4,79", {Y, V, 10, 4, 0, 0}, "4790", "E96 : 4,75 kOhm"},
    {"LetterRemoved", kRingMode4, 0, "4a7", "47", {Y, V, 0, 3, 0, 0}, "47", "E96 : 47,5 Ohm"},
    {"PointKept", kRingMode4, 0, "2.2", "2.2", {R, R, 0, kGold, 0, 0}, "2,2", "E96 : 2,21 Ohm"},
    {"CutToTheMegaohmLength",
     kRingMode4,
     2,
     "12345",
     "1234",
     {0, 0, 0, 9, 0, 0},
     "1234000000",
     "E96 : 1240 MOhm"},
    {"NotANumberReadsZero", kRingMode4, 0, ",", ",", {B, B, 0, 1, 0, 0}, "0", ""},
};

class TypeValueTest : public MainDlgTest, public ::testing::WithParamInterface<TypeCase>
{
};

// The rings follow the typed text, the text itself stays as the filter leaves it.
TEST_P(TypeValueTest, MovesRingsButKeepsTheText)
{
    const TypeCase& c = GetParam();
    m_settings.m_nRingMode = c.ringMode;
    Open();
    ChooseEntry(IDC_UNIT, c.unit);
    TypeValue(c.typed);
    EXPECT_EQ(ValueText(), c.kept);
    EXPECT_EQ(Selection(IDC_UNIT), c.unit);
    for (int slot = 0; slot < 4; ++slot)
    {
        if (c.rings[static_cast<size_t>(slot)] != 0)
        {
            EXPECT_EQ(RingPos(slot), c.rings[static_cast<size_t>(slot)]) << "slot " << slot;
        }
    }
    EXPECT_EQ(Field(IDC_CALC_R), c.rField);
    if (*c.e96Line != '\0')
    {
        EXPECT_EQ(Line(1022), c.e96Line);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, TypeValueTest, ::testing::ValuesIn(kTypeCases),
                         [](const auto& param) { return std::string(param.param.name); });

struct ToleranceCase
{
    int index;
    UINT markedLine; // 0: none of E12 to E192
};

const ToleranceCase kToleranceCases[] = {
    {0, 1019}, {1, 1020}, {2, 1022}, {3, 1021}, {4, 1023}, {5, 0}, {6, 0}, {7, 0},
};

class ToleranceTest : public MainDlgTest, public ::testing::WithParamInterface<ToleranceCase>
{
};

TEST_P(ToleranceTest, MovesTheToleranceRingAndMarksItsSeries)
{
    const ToleranceCase& c = GetParam();
    Open();
    TypeValue("4700");
    const std::string value = ValueText();
    ChooseEntry(IDC_TOLERANCE, c.index);
    EXPECT_EQ(RingPos(kSlotTolerance), c.index + 1);
    EXPECT_EQ(ValueText(), value);
    for (UINT line = 1019; line <= 1023; ++line)
    {
        const std::optional<COLORREF> want =
            line == c.markedLine ? std::optional<COLORREF>(RGB(255, 0, 0)) : std::nullopt;
        EXPECT_EQ(LineColour(line), want) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(Entries, ToleranceTest, ::testing::ValuesIn(kToleranceCases));

// From a marked series to a tolerance without one, the old mark goes.
TEST_F(MainDlgTest, ARingMoveMarksTheSeriesOfTheNewTolerance)
{
    Open();
    MoveRing(kSlotTolerance, 2);
    EXPECT_EQ(Selection(IDC_TOLERANCE), 1);
    EXPECT_EQ(LineColour(1020), RGB(255, 0, 0));
    MoveRing(kSlotTolerance, 8);
    EXPECT_EQ(Selection(IDC_TOLERANCE), 7);
    EXPECT_EQ(LineColour(1020), std::nullopt);
}

TEST_F(MainDlgTest, TemperatureChoiceMovesItsRingOnly)
{
    Open();
    TypeValue("4700");
    const RingPositions before = Rings();
    ChooseEntry(IDC_TEMPCO, 3);
    RingPositions want = before;
    want[kSlotTempCo] = 4;
    EXPECT_EQ(Rings(), want);
    MoveRing(kSlotTempCo, 7);
    EXPECT_EQ(Selection(IDC_TEMPCO), 6);
}

// The box keeps its number, which now means another resistance.
TEST_F(MainDlgTest, UnitChoiceKeepsTheNumberAndMovesTheMultiplier)
{
    m_settings.m_nRingMode = kRingMode4;
    Open();
    MoveRings({Y, V, 0, kRed, 0, 0});
    ChooseEntry(IDC_UNIT, 2);
    EXPECT_EQ(ValueText(), "4,7");
    EXPECT_EQ(Rings()[kSlotMultiplier], 8);
    EXPECT_EQ(Field(IDC_CALC_R), "4700000");
    EXPECT_EQ(Line(1019), "E12 : 4,7 MOhm");
}

struct RingCountCase
{
    UINT command;
    int ringMode;
    bool thirdShown;
    bool tempCoShown;
    RingPositions rings; // slots 0 to 3
};

const RingCountCase kRingCounts[] = {
    {ID_RINGS_4, kRingMode4, false, false, {Y, V, 6, kRed, 0, 0}},
    {ID_RINGS_5, kRingMode5, true, false, {Y, V, 6, 4, 0, 0}},
    {ID_RINGS_6, kRingMode6, true, true, {Y, V, 6, 4, 0, 0}},
};

class RingCountTest : public MainDlgTest, public ::testing::WithParamInterface<RingCountCase>
{
};

// From 5 rings with 4,75 kOhms in the box: the digits beyond the ring count are dropped.
TEST_P(RingCountTest, EncodesTheBoxAgainAndShowsItsControls)
{
    const RingCountCase& c = GetParam();
    m_settings.m_nRingMode = kRingMode5;
    Open();
    ChooseEntry(IDC_UNIT, 1);
    TypeValue("4,75");
    Command(c.command);
    EXPECT_EQ(m_settings.m_nRingMode, c.ringMode);
    EXPECT_EQ(ValueText(), "4,75");
    RingPositions rings = Rings();
    rings[4] = rings[5] = 0;
    EXPECT_EQ(rings, c.rings);
    EXPECT_EQ(::IsWindowVisible(Item(IDC_BANDE3)) != 0, c.thirdShown);
    EXPECT_EQ(::IsWindowVisible(Item(IDC_BANDE6)) != 0, c.tempCoShown);
    EXPECT_EQ(::IsWindowVisible(Item(IDC_TEMPCO)) != 0, c.tempCoShown);
}

INSTANTIATE_TEST_SUITE_P(Commands, RingCountTest, ::testing::ValuesIn(kRingCounts));

// A click on a line puts its value in ohms into the box; the cycle follows from there.
TEST_F(MainDlgTest, StandardValueLineSetsTheBoxInOhms)
{
    m_settings.m_nRingMode = kRingMode4;
    Open();
    ChooseEntry(IDC_UNIT, 2);
    TypeValue("4,6");
    Command(1019);
    EXPECT_EQ(Selection(IDC_UNIT), 0);
    EXPECT_EQ(ValueText(), "4700000");
    EXPECT_EQ(Rings()[kSlotMultiplier], 8);
    EXPECT_EQ(Field(IDC_CALC_R), "4700000");
    Command(1017);
    EXPECT_EQ(ValueText(), "4700000");
    Command(1023);
    EXPECT_EQ(ValueText(), "4700000");
}

struct ImmediateRing
{
    const char* name;
    void (*gesture)(MainDlgTest& test);
    int slot;
    int position;
};

const ImmediateRing kImmediateRings[] = {
    {"Selector", [](MainDlgTest& t) { t.MoveRing(kSlotMultiplier, kOrange); }, kSlotMultiplier, kOrange},
    {"Tolerance", [](MainDlgTest& t) { t.ChooseEntry(IDC_TOLERANCE, 3); }, kSlotTolerance, 4},
    {"Temperature", [](MainDlgTest& t) { t.ChooseEntry(IDC_TEMPCO, 4); }, kSlotTempCo, 5},
};

class ImmediateRingTest : public MainDlgTest, public ::testing::WithParamInterface<ImmediateRing>
{
};

// The ring shows its new colour before any WM_PAINT has run.
TEST_P(ImmediateRingTest, IsPaintedAtOnce)
{
    const ImmediateRing& c = GetParam();
    m_settings.m_bGradient = FALSE;
    m_settings.m_strBackground.clear();
    Open(IDD_MAIN_HORIZONTAL);
    ::ShowWindow(m_hDlg, SW_SHOW);
    ::UpdateWindow(m_hDlg);
    PumpMessages();
    c.gesture(*this);
    const RECT rc = RingRect(c.slot, true);
    const RingRgb rgb = RingColour(c.slot, c.position).value();
    CClientDC dc(m_hDlg);
    EXPECT_EQ(::GetPixel(dc.get(), (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2),
              RGB(rgb.red, rgb.green, rgb.blue));
}

INSTANTIATE_TEST_SUITE_P(Gestures, ImmediateRingTest, ::testing::ValuesIn(kImmediateRings),
                         [](const auto& param) { return std::string(param.param.name); });
} // namespace
