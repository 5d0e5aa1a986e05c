// The quiz's texts of a resistance: a choice's value and the whole reading of a set of rings,
// formatted as the program shows them.
#pragma once

#include "model/resistor_state.h"

#include <cstdint>
#include <string>
#include <string_view>

// "4,7 kOhms": the value as the value box shows it, with the unit's summary name.
std::string QuizValueText(std::int64_t hundredths);

// "4,7 kOhms à 5 %", and with 6 rings ", 50 ppm/°C" after it; `separator` is "à".
std::string QuizReadingText(const ResistorState& rings, std::string_view separator);
