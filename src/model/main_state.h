// What the main window shows, as plain data, and what each thing a user does makes of it: the
// update cycle between rings, value box, unit, tolerance and temperature lists, the standard
// value lines and the Ohm's law calculator, each rule in one place.
#pragma once

#include "model/ohms_law.h"
#include "model/picture_options.h"
#include "model/resistor_state.h"
#include "model/series_tables.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The calculator's fields, in the order of CalcQuantity: R, U, I, P.
constexpr std::size_t kCalcFieldCount = 4;

struct MainState
{
    ResistorState rings;
    // How the rings are drawn: the layout in use and the interface settings of the picture.
    PictureOptions picture;
    std::string valueText;
    // Selections of the unit, tolerance and temperature lists; -1 while a list has none.
    int unit = -1;
    int tolerance = -1;
    int tempCo = -1;
    // The nearest value of each series, E3 to E192, and the line that shows it.
    std::array<double, kSeriesCount> standardOhms{};
    std::array<std::string, kSeriesCount> standardLines;
    // Lines shown in red: the series that the tolerance calls for.
    std::array<bool, kSeriesCount> marked{};
    // A field holds a computed result when its text says so (IsCalcResultText).
    std::array<std::string, kCalcFieldCount> calc;

    bool operator==(const MainState&) const = default;
};

// Position clamped to what the slot's selector offers.
int ClampRingPosition(int slot, int position);

// Everything else follows the rings: value, unit, lists, lines, the R field; computed U, I and P
// are emptied. For the first showing of stored rings, and after each ring move.
MainState ShowRings(MainState state);
MainState MoveRing(MainState state, int slot, int position);
// The value box's text as typed or pasted: filtered, then the digit and multiplier rings, the
// lines and the R field follow; computed U, I and P are emptied. The box keeps what it shows.
MainState TypeValue(MainState state, std::string_view text);
// The number in the box stays and now means another resistance; results are kept.
MainState ChooseUnit(MainState state, int unit);
MainState ChooseTolerance(MainState state, int index);
MainState ChooseTempCo(MainState state, int index);
// The box's value encoded again with the new number of digits.
MainState ChooseRingCount(MainState state, int ringMode);
// The options sheet's OK: a new ring count is chosen as the ring commands choose it; the
// picture's options are taken as they come and change nothing else.
MainState ApplyOptions(MainState state, int ringMode, PictureOptions picture);
// The line's value in ohms into the box.
MainState TakeStandardLine(MainState state, std::size_t series);
// A resistance from another window (the calculation tools) into the box in ohms, as a line's.
MainState TakeResistance(MainState state, double ohms);
// A field typed into. R sets the resistor in ohms without being written back; any field
// empties the computed U, I and P, itself included.
MainState TypeCalcField(MainState state, CalcQuantity field, std::string_view text);
// The target's field gets its result, or impossibleText; nothing else changes.
MainState Calculate(MainState state, CalcQuantity target, std::string_view impossibleText);
// The side bar built anew: its fields start empty.
MainState ClearCalcFields(MainState state);
