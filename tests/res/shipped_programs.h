// The programs the build ships, as the build made them, for the tests of what the system reads
// from their files.
#pragma once

#include <array>

constexpr std::array<const char*, 3> kShippedPrograms = {VANTREL_EXE, QUIZ_EXE, UPDATE_EXE};
