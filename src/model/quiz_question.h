// The quiz's questions: a resistor drawn at random within the colour code, and for reading it,
// four values to choose from of which exactly one is right.
#pragma once

#include "model/resistor_state.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <string_view>

constexpr std::size_t kQuizChoiceCount = 4;

// The quiz's source of chance. Its draws depend on the seed alone, not on the standard library's
// distributions, so a seed asks the same questions on every platform.
class QuizRandom
{
public:
    explicit QuizRandom(std::uint32_t seed) : m_engine(seed) {}

    // Every whole number from first to last inclusive, each as likely (bounds in either order).
    int Between(int first, int last);

private:
    std::mt19937 m_engine;
};

struct QuizQuestion
{
    // 4, 5 or 6 rings; the slots that the ring count leaves out stand at position 1.
    ResistorState rings;
    // Values in hundredths of an ohm, all different; the one at rightChoice is the rings' value.
    std::array<std::int64_t, kQuizChoiceCount> choices{};
    std::size_t rightChoice = 0;
};

// The next question: ring count, digits, multiplier, tolerance and temperature coefficient drawn
// at random. The first digit is never black, as on a real resistor. The wrong choices are what a
// reader gets wrong: the same digits with another multiplier, or a digit one colour away.
QuizQuestion MakeQuizQuestion(QuizRandom& random);

// The rings' value exactly, in hundredths of an ohm (RingsToValue rounds it to single precision).
// Positions out of range count as the nearest valid one.
std::int64_t RingsHundredths(const ResistorState& rings);

// The seed named by a "/seed:N" switch of the command line (any case, N from 0 to 4294967295);
// nothing when there is none or N is not such a number.
std::optional<std::uint32_t> ReadSeedSwitch(std::string_view commandLine);
