// Texts of the string tables with "%s" where a program puts in its values.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The pattern with each "%s" replaced by the next of the values, in order; a "%s" with no value
// left stays as it is.
std::string FillPlaceholders(std::string_view pattern, std::initializer_list<std::string_view> values);
