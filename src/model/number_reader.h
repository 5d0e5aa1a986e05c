// Reading the number at the start of a text, with a decimal point whatever the locale.
#pragma once

#include <optional>
#include <string_view>

// The text without the blanks (space, tab, line and page breaks) at either end.
std::string_view TrimBlanks(std::string_view text);

// Leading blanks, an optional sign, digits with at most one point, an optional exponent;
// reading stops at the first character that does not fit, and a text without a number
// reads as 0. Too large a number reads as an infinity, too small a one as 0.
double ReadLeadingNumber(std::string_view text);

// A field that must hold a number and nothing else: blanks around it are ignored, and one
// comma or one point marks the decimals. Nothing for an empty text, a text with anything
// beside the number ("12 V", "1,5,3"), or a number too large for a double.
std::optional<double> ReadWholeNumber(std::string_view text);
