// Judging the quiz's answers.
#include "model/quiz_answer.h"

#include "model/quiz_question.h"
#include "model/value_text.h"

#include <cmath>
#include <string>

namespace
{
bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Takes "ohms" or "ohm" off the end, in any case.
std::string_view WithoutOhmWord(std::string_view text)
{
    for (std::string_view word : {std::string_view("ohms"), std::string_view("ohm")})
    {
        if (text.size() < word.size())
            continue;
        const std::string_view tail = text.substr(text.size() - word.size());
        bool bSame = true;
        for (std::size_t i = 0; i < word.size(); ++i)
            bSame = bSame && Lower(tail[i]) == word[i];
        if (bSame)
            return text.substr(0, text.size() - word.size());
    }
    return text;
}

std::string_view TakeDigits(std::string_view& text)
{
    std::size_t n = 0;
    while (n < text.size() && IsDigit(text[n]))
        ++n;
    const std::string_view digits = text.substr(0, n);
    text.remove_prefix(n);
    return digits;
}

// The unit a multiplier letter stands for; nothing for any other character.
std::optional<int> LetterUnit(char c)
{
    switch (c)
    {
    case 'R':
    case 'r':
        return kUnitOhm;
    case 'k':
    case 'K':
        return kUnitKiloOhm;
    case 'M':
        return kUnitMegaOhm;
    default:
        return std::nullopt;
    }
}
} // namespace

std::optional<double> ReadQuizAnswer(std::string_view text)
{
    std::string_view rest = Trim(WithoutOhmWord(Trim(text)));
    const std::string_view whole = TakeDigits(rest);
    std::string_view fraction;
    int unit = kUnitOhm;
    bool bLetterSeen = false;
    if (!rest.empty() && (rest.front() == ',' || rest.front() == '.'))
    {
        rest.remove_prefix(1);
        fraction = TakeDigits(rest);
    }
    else if (!rest.empty() && LetterUnit(rest.front()))
    {
        // "4k7": the letter in place of the separator.
        unit = *LetterUnit(rest.front());
        bLetterSeen = true;
        rest.remove_prefix(1);
        fraction = TakeDigits(rest);
    }
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    rest = Trim(rest);
    if (!bLetterSeen && !rest.empty() && LetterUnit(rest.front()))
    {
        unit = *LetterUnit(rest.front());
        rest.remove_prefix(1);
    }
    if (!rest.empty())
        return std::nullopt;

    // The value box's own reading, with the comma it takes for the separator.
    std::string number(whole);
    number += ',';
    number += fraction;
    return ParseValueText(number, unit);
}

QuizVerdict JudgeTypedAnswer(std::string_view text, const ResistorState& rings)
{
    const std::optional<double> milliohms = ReadQuizAnswer(text);
    if (!milliohms)
        return QuizVerdict::Unreadable;
    // Ten milliohms in a hundredth; a difference below half a milliohm is only the reading's
    // rounding. A number too large to read is an infinity and matches nothing.
    const double right = static_cast<double>(RingsHundredths(rings)) * 10.0;
    return std::fabs(*milliohms - right) < 0.5 ? QuizVerdict::Right : QuizVerdict::Wrong;
}

bool IsPlacementComplete(const ResistorState& placed)
{
    for (int slot = 0; slot < static_cast<int>(kRingSlotCount); ++slot)
    {
        const int position = placed.positions[static_cast<std::size_t>(slot)];
        if (IsRingShown(placed.ringMode, slot) &&
            (position < 1 || position > kRingPositionCount[static_cast<std::size_t>(slot)]))
            return false;
    }
    return true;
}

bool IsRightPlacement(const ResistorState& asked, const ResistorState& placed)
{
    if (placed.ringMode != asked.ringMode || !IsPlacementComplete(placed))
        return false;
    if (RingsHundredths(placed) != RingsHundredths(asked))
        return false;
    if (placed.positions[kSlotTolerance] != asked.positions[kSlotTolerance])
        return false;
    return !IsRingShown(asked.ringMode, kSlotTempCo) ||
           placed.positions[kSlotTempCo] == asked.positions[kSlotTempCo];
}
