// Integer settings as the registry holds them: signed decimal text.
#pragma once

#include <string>
#include <string_view>

// "%i": -6500 is a minus sign and four digits.
std::string FormatSettingInt(int value);

// Leading blanks, an optional sign and the digits that follow; reading stops at the first other
// character ("12abc" is 12) and a text without a number reads as 0. A number beyond the range
// of int reads as the nearest end of the range.
int ParseSettingInt(std::string_view text);
