// The calculation tools' text of a resistance, with its unit.
#pragma once

#include <string>

// "4,7 kOhms", "49,9 Ohms", "1,5 mOhms", "97,6 MOhms": up to three decimals in mOhms below 1 ohm,
// Ohms below 1 kOhm, kOhms below 1 MOhm, MOhms above, so that every value a code holds shows all
// its digits; 0 is "0 Ohms". The value is counted as the rest of the model counts it
// (ClampMilliohms).
std::string ResistanceText(double milliohms);

// An error in percent with its sign and three decimals: "+0,125 %", "-1,5 %", "0 %".
std::string ErrorPercentText(double percent);
