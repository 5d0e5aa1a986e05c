// Reading the number at the start of a text, with a decimal point whatever the locale.
#pragma once

#include <string_view>

// Leading blanks, an optional sign, digits with at most one point, an optional exponent;
// reading stops at the first character that does not fit, and a text without a number
// reads as 0. Too large a number reads as an infinity, too small a one as 0.
double ReadLeadingNumber(std::string_view text);
