// The SMD markings of a resistance, in each code that can write it.
#pragma once

#include <string>

enum class SmdWriteFault
{
    None,
    // The value needs more significant digits, or decimals, than the code holds.
    TooManyDigits,
    // The value lies beyond the code's smallest or largest value.
    OutOfRange,
    // EIA-96 only: the value's mantissa is not an E96 value (0 included).
    NotE96,
};

struct SmdMarking
{
    // Empty when the code cannot write the value.
    std::string text;
    SmdWriteFault fault = SmdWriteFault::None;
};

// The resistance in milliohms, as ParseValueText gives it; NaN counts as 0 and the sign is
// dropped, as everywhere in the model. A fault of range goes before a fault of digits.
//
// 0,01 ohm to 99 GOhms: "472", "100", "4R7", "R47"; 0 is "000".
SmdMarking WriteThreeDigitCode(double milliohms);
// 0,001 ohm to 999 GOhms: "4701", "1000", "47R0", "R047"; 0 is "0000".
SmdMarking WriteFourDigitCode(double milliohms);
// 0,1 ohm to 97,6 MOhms, an E96 mantissa: "01C"; the letters written are Z, Y, X, A, B, C,
// D, E, F (Y, X and B rather than R, S and H).
SmdMarking WriteEia96Code(double milliohms);
// 1 milliohm to 9999 MOhms in at most four digits: M from 1 MOhm, K from 1 kOhm, R from 0,1 ohm
// ("R47", "4R7", "470R"), m below ("47m", "1m5"); at least two digits ("1K0", "R10"), and never
// two digits before a final R, which is EIA-96 in a marking ("47R0"). 0 is "0R0".
SmdMarking WriteLetterCode(double milliohms);

struct SmdMarkings
{
    SmdMarking threeDigit;
    SmdMarking fourDigit;
    SmdMarking eia96;
    SmdMarking letter;
};

SmdMarkings WriteSmdMarkings(double milliohms);
