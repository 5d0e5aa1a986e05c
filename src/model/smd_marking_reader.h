// Reading the marking printed on a surface-mount resistor, and the letter code of stock lists.
#pragma once

#include "model/smd_code.h"

#include <string_view>

enum class SmdReadFault
{
    None,
    // Nothing but blanks.
    Empty,
    // A character that is neither a digit nor a letter: a blank inside, a comma, a point, a sign.
    BadCharacter,
    // More than the five characters of the longest code ("1000R", "R4753").
    TooLong,
    // Digits alone, but neither the single "0" nor three or four of them ("47", "12345").
    DigitCount,
    // A letter without digits ("R").
    NoDigit,
    // More than one letter ("RR", "4R7R").
    SeveralLetters,
    // Two digits outside 01 to 96 before an EIA-96 multiplier letter ("00A", "97A", "97R").
    EiaIndexOutOfRange,
    // Two digits before a letter that is neither an EIA-96 multiplier nor a decimal mark ("01Q").
    UnknownMultiplier,
    // A letter that no code takes where it stands ("1e9", "4A7").
    LetterOutOfPlace,
    // Only from ReadLetterCode: digits without R, K, M or m.
    NoDecimalMark,
};

struct SmdReading
{
    SmdReadFault fault = SmdReadFault::Empty;
    // The code the text was read as; meaningful only when fault is None.
    SmdCode code = SmdCode::ZeroLink;
    double milliohms = 0.0;

    bool IsRead() const { return fault == SmdReadFault::None; }
};

// Any of the codes. Blanks around the text are ignored; upper and lower case are the same,
// except m (milliohms) and M (mega-ohms) in the letter code. Where a text fits two codes:
// - two digits and R ("47R") are EIA-96 (47 is 301, R is 0,01: 3,01 ohms), never 47 ohms of
//   the letter code, since R is one of its multipliers; "00R" and "97R" to "99R" fit no code;
// - R with digits is the 3-digit code in three characters ("4R7", "R47") and the 4-digit code in
//   four ("10R0", "R100"); in any other length it is the letter code. R is the decimal mark in
//   all three, so only the name of the code depends on this, never the value.
SmdReading ReadSmdMarking(std::string_view text);

// The letter code alone: digits with one of R, K, M or m in place of the decimal mark ("4K7",
// "47K", "R47", "1m5"), at most four digits. Here "47R" is 47 ohms.
SmdReading ReadLetterCode(std::string_view text);
