// The one number-to-text routine of every resistance and calculator text.
#pragma once

#include <string>

// The value rounded to `decimals` places from its exact binary value (an exact half away
// from zero), without trailing zeros or a trailing separator, with a decimal comma.
// Independent of locale and runtime library: the same text on every platform.
std::string FormatDecimal(float value, int decimals);
