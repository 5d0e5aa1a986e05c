// The quiz's texts of a resistance: a choice's value and the whole reading of a set of rings,
// formatted as the program shows them.
#pragma once

#include "model/resistor_state.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// "4,7 kOhms": the value as the value box shows it, with the unit's summary name.
std::string QuizValueText(std::int64_t hundredths);

// "4,7 kOhms à 5 %", and with 6 rings ", 50 ppm/°C" after it; `separator` is "à".
std::string QuizReadingText(const ResistorState& rings, std::string_view separator);

// The pattern with each "%s" replaced by the next of the values, in order; a "%s" with no value
// left stays as it is.
std::string FillPlaceholders(std::string_view pattern, std::initializer_list<std::string_view> values);
