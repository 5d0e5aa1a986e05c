// Judging the quiz's answers: a value typed as people write resistances, and rings set by hand.
#pragma once

#include "model/resistor_state.h"

#include <optional>
#include <string_view>

enum class QuizVerdict
{
    Right,
    Wrong,
    // The text names no resistance; it counts as a wrong answer, and the user is told why.
    Unreadable,
};

// The milliohms that a typed answer names, or nothing when it names none. The number is read by
// the value box's rules (a comma or a point before the decimals) and may be followed by a
// multiplier letter, k or K for kilo-ohms, M for mega-ohms, R for ohms, and by "Ohm" or "Ohms":
// "4700", "4,7 k", "4.7K", "4,7 kOhms". The letter may also stand in place of the decimal
// separator: "4k7", "1M5", "4R7", "R47". A lower-case m is not read: it would mean milli.
std::optional<double> ReadQuizAnswer(std::string_view text);

// The typed answer against the value of the rings, to the milliohm.
QuizVerdict JudgeTypedAnswer(std::string_view text, const ResistorState& rings);

// Every ring that the ring count shows has a colour.
bool IsPlacementComplete(const ResistorState& placed);

// The rings set read as the ones asked: the same value (by whichever digits), the same
// tolerance and, with 6 rings, the same temperature coefficient.
bool IsRightPlacement(const ResistorState& asked, const ResistorState& placed);
