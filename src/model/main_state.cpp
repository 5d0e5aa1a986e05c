// The main window's update cycle as transitions of its state.
#include "model/main_state.h"

#include "model/decimal_format.h"
#include "model/resistance_range.h"
#include "model/standard_series.h"
#include "model/value_text.h"

#include <algorithm>

namespace
{
constexpr std::size_t kFieldR = static_cast<std::size_t>(CalcQuantity::R);
constexpr CalcQuantity kResultFields[] = {CalcQuantity::U, CalcQuantity::I, CalcQuantity::P};
// The digit and multiplier slots that a typed value sets.
constexpr int kValueSlots[] = {kSlotFirstDigit, kSlotSecondDigit, kSlotThirdDigit, kSlotMultiplier};

// Where the value came from decides what does not follow it.
enum class Source
{
    User,
    Rings,
    RField,
};

std::string& Field(MainState& state, CalcQuantity quantity)
{
    return state.calc[static_cast<std::size_t>(quantity)];
}

void RefreshLines(MainState& state, double milliohms)
{
    StandardLines lines = StandardSeriesLines(milliohms);
    state.standardOhms = lines.ohms;
    state.standardLines = std::move(lines.lines);
    const std::array<LineMark, kSeriesCount> marks = ToleranceSeriesMarks(state.tolerance);
    for (std::size_t i = 0; i < kSeriesCount; ++i)
    {
        if (marks[i] != LineMark::Leave)
            state.marked[i] = marks[i] == LineMark::Mark;
    }
}

void ClearResults(MainState& state)
{
    for (CalcQuantity quantity : kResultFields)
    {
        if (IsCalcResultText(Field(state, quantity)))
            Field(state, quantity).clear();
    }
}

void WriteResistanceField(MainState& state, double milliohms)
{
    state.calc[kFieldR] = FormatDecimal(static_cast<float>(milliohms * 0.001), 3);
}

// The lines and, unless the rings are the source, the rings follow the box's value.
void FollowValue(MainState& state, double milliohms, Source source)
{
    RefreshLines(state, milliohms);
    if (source == Source::Rings)
        return;
    ResistorState rings = state.rings;
    ValueToRings(milliohms, rings.ringMode, rings);
    for (int slot : kValueSlots)
    {
        if (IsRingShown(rings.ringMode, slot))
        {
            const auto index = static_cast<std::size_t>(slot);
            state.rings.positions[index] = ClampRingPosition(slot, rings.positions[index]);
        }
    }
}

// The box's text changed: it is filtered, everything follows its value once read.
MainState ValueChanged(MainState state, Source source)
{
    state.valueText = FilterValueText(state.valueText, state.unit);
    const double milliohms = ParseValueText(state.valueText, state.unit);
    FollowValue(state, milliohms, source);
    // A value that came from the R field is not written back into it.
    if (source != Source::RField)
        WriteResistanceField(state, milliohms);
    ClearResults(state);
    return state;
}
} // namespace

int ClampRingPosition(int slot, int position)
{
    return std::clamp(position, 1, kRingPositionCount[static_cast<std::size_t>(slot)]);
}

MainState ShowRings(MainState state)
{
    const RingValueText value = FormatRingValue(RingsToValue(state.rings));
    state.unit = value.unit;
    state.tolerance = state.rings.positions[kSlotTolerance] - 1;
    state.tempCo = state.rings.positions[kSlotTempCo] - 1;
    state.valueText = value.text;
    return ValueChanged(std::move(state), Source::Rings);
}

MainState MoveRing(MainState state, int slot, int position)
{
    state.rings.positions[static_cast<std::size_t>(slot)] = ClampRingPosition(slot, position);
    return ShowRings(std::move(state));
}

MainState TypeValue(MainState state, std::string_view text)
{
    state.valueText = text;
    return ValueChanged(std::move(state), Source::User);
}

MainState ChooseUnit(MainState state, int unit)
{
    state.unit = unit;
    const double milliohms = ParseValueText(state.valueText, state.unit);
    FollowValue(state, milliohms, Source::User);
    WriteResistanceField(state, milliohms);
    return state;
}

MainState ChooseTolerance(MainState state, int index)
{
    state.tolerance = index;
    RefreshLines(state, ParseValueText(state.valueText, state.unit));
    state.rings.positions[kSlotTolerance] = ClampRingPosition(kSlotTolerance, index + 1);
    return state;
}

MainState ChooseTempCo(MainState state, int index)
{
    state.tempCo = index;
    RefreshLines(state, ParseValueText(state.valueText, state.unit));
    state.rings.positions[kSlotTempCo] = ClampRingPosition(kSlotTempCo, index + 1);
    return state;
}

MainState ChooseRingCount(MainState state, int ringMode)
{
    state.rings.ringMode = ringMode;
    return ValueChanged(std::move(state), Source::User);
}

MainState ApplyOptions(MainState state, int ringMode, PictureOptions picture)
{
    state.picture = std::move(picture);
    if (ringMode == state.rings.ringMode)
        return state;
    return ChooseRingCount(std::move(state), ringMode);
}

MainState TakeStandardLine(MainState state, std::size_t series)
{
    const double ohms = state.standardOhms[series];
    return TakeResistance(std::move(state), ohms);
}

MainState TakeResistance(MainState state, double ohms)
{
    state.unit = kUnitOhm;
    state.valueText = FormatDecimal(static_cast<float>(ClampMilliohms(ohms * 1000.0) / 1000.0), 3);
    return ValueChanged(std::move(state), Source::User);
}

MainState TypeCalcField(MainState state, CalcQuantity field, std::string_view text)
{
    Field(state, field) = text;
    if (field != CalcQuantity::R)
    {
        ClearResults(state);
        return state;
    }
    state.unit = kUnitOhm;
    state.valueText = KeptResistanceText(text);
    return ValueChanged(std::move(state), Source::RField);
}

MainState Calculate(MainState state, CalcQuantity target, std::string_view impossibleText)
{
    CalcValues values;
    values.r = ReadCalcField(Field(state, CalcQuantity::R));
    values.u = ReadCalcField(Field(state, CalcQuantity::U));
    values.i = ReadCalcField(Field(state, CalcQuantity::I));
    values.p = ReadCalcField(Field(state, CalcQuantity::P));
    Field(state, target) = CalcResultText(target, values, impossibleText);
    return state;
}

MainState ClearCalcFields(MainState state)
{
    for (std::string& field : state.calc)
        field.clear();
    return state;
}
