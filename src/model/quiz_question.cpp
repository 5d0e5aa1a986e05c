// The quiz's questions: random rings within the colour code and the choices offered for them.
#include "model/quiz_question.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace
{
bool HasThirdDigit(int ringMode)
{
    return ringMode >= kRingMode5;
}

int Position(const ResistorState& rings, int slot)
{
    const auto index = static_cast<std::size_t>(slot);
    return std::clamp(static_cast<int>(rings.positions[index]), 1, kRingPositionCount[index]);
}

void SetPosition(ResistorState& rings, int slot, int position)
{
    rings.positions[static_cast<std::size_t>(slot)] = position;
}

// Rings that differ from the right ones as a hurried reader's would: the multiplier one or two
// colours away, a digit one colour away, or the first two digits swapped.
std::vector<ResistorState> NearbyRings(const ResistorState& right, bool bMultiplier)
{
    std::vector<ResistorState> nearby;
    if (bMultiplier)
    {
        for (int step : {-2, -1, 1, 2})
        {
            const int position = Position(right, kSlotMultiplier) + step;
            if (position < 1 || position > kRingPositionCount[kSlotMultiplier])
                continue;
            ResistorState rings = right;
            SetPosition(rings, kSlotMultiplier, position);
            nearby.push_back(rings);
        }
        return nearby;
    }
    const int digitCount = HasThirdDigit(right.ringMode) ? 3 : 2;
    for (int slot = 0; slot < digitCount; ++slot)
    {
        // Black stays off the first ring, so that every choice is a resistor one could buy.
        const int lowest = slot == kSlotFirstDigit ? 2 : 1;
        for (int step : {-1, 1})
        {
            const int position = Position(right, slot) + step;
            if (position < lowest || position > kRingPositionCount[static_cast<std::size_t>(slot)])
                continue;
            ResistorState rings = right;
            SetPosition(rings, slot, position);
            nearby.push_back(rings);
        }
    }
    if (Position(right, kSlotSecondDigit) > 1 &&
        Position(right, kSlotSecondDigit) != Position(right, kSlotFirstDigit))
    {
        ResistorState rings = right;
        SetPosition(rings, kSlotFirstDigit, Position(right, kSlotSecondDigit));
        SetPosition(rings, kSlotSecondDigit, Position(right, kSlotFirstDigit));
        nearby.push_back(rings);
    }
    return nearby;
}

template <class T> void Shuffle(std::vector<T>& items, QuizRandom& random)
{
    for (std::size_t i = items.size(); i > 1; --i)
    {
        const auto j = static_cast<std::size_t>(random.Between(0, static_cast<int>(i) - 1));
        std::swap(items[i - 1], items[j]);
    }
}

// Takes the first candidate whose value is not among the taken ones yet.
bool TakeNew(const std::vector<ResistorState>& candidates, std::vector<std::int64_t>& taken)
{
    for (const ResistorState& rings : candidates)
    {
        const std::int64_t value = RingsHundredths(rings);
        if (std::find(taken.begin(), taken.end(), value) == taken.end())
        {
            taken.push_back(value);
            return true;
        }
    }
    return false;
}
} // namespace

int QuizRandom::Between(int first, int last)
{
    if (last < first)
        std::swap(first, last);
    const auto span = static_cast<std::uint32_t>(static_cast<std::int64_t>(last) - first + 1);
    if (span == 0)
    {
        // The whole range of int: every draw is one of its values.
        return static_cast<int>(static_cast<std::int64_t>(m_engine()) + std::numeric_limits<int>::min());
    }
    // Draws past the last whole multiple of the span are drawn again: otherwise the low values
    // would come up more often.
    const std::uint32_t limit = std::numeric_limits<std::uint32_t>::max() / span * span;
    std::uint32_t draw = 0;
    do
    {
        draw = static_cast<std::uint32_t>(m_engine());
    } while (draw >= limit);
    return static_cast<int>(first + static_cast<std::int64_t>(draw % span));
}

QuizQuestion MakeQuizQuestion(QuizRandom& random)
{
    QuizQuestion question;
    ResistorState& rings = question.rings;
    rings.ringMode = random.Between(kRingMode4, kRingMode6);
    SetPosition(rings, kSlotFirstDigit, random.Between(2, kRingPositionCount[kSlotFirstDigit]));
    SetPosition(rings, kSlotSecondDigit, random.Between(1, kRingPositionCount[kSlotSecondDigit]));
    if (HasThirdDigit(rings.ringMode))
        SetPosition(rings, kSlotThirdDigit, random.Between(1, kRingPositionCount[kSlotThirdDigit]));
    SetPosition(rings, kSlotMultiplier, random.Between(1, kRingPositionCount[kSlotMultiplier]));
    SetPosition(rings, kSlotTolerance, random.Between(1, kRingPositionCount[kSlotTolerance]));
    if (IsRingShown(rings.ringMode, kSlotTempCo))
        SetPosition(rings, kSlotTempCo, random.Between(1, kRingPositionCount[kSlotTempCo]));

    // One wrong multiplier and one wrong digit at least, then any of the two kinds.
    std::vector<std::int64_t> values{RingsHundredths(rings)};
    std::vector<ResistorState> multipliers = NearbyRings(rings, true);
    std::vector<ResistorState> digits = NearbyRings(rings, false);
    Shuffle(multipliers, random);
    Shuffle(digits, random);
    TakeNew(multipliers, values);
    TakeNew(digits, values);
    std::vector<ResistorState> rest = multipliers;
    rest.insert(rest.end(), digits.begin(), digits.end());
    Shuffle(rest, random);
    while (values.size() < kQuizChoiceCount && TakeNew(rest, values))
    {
    }
    // The same digits under the nine multipliers are nine different values: the four choices are
    // always there, whatever the nearby rings gave.
    for (int position = 1;
         values.size() < kQuizChoiceCount && position <= kRingPositionCount[kSlotMultiplier]; ++position)
    {
        ResistorState other = rings;
        SetPosition(other, kSlotMultiplier, position);
        TakeNew({other}, values);
    }

    question.rightChoice =
        static_cast<std::size_t>(random.Between(0, static_cast<int>(kQuizChoiceCount) - 1));
    std::swap(values[0], values[question.rightChoice]);
    std::copy_n(values.begin(), kQuizChoiceCount, question.choices.begin());
    return question;
}

std::int64_t RingsHundredths(const ResistorState& rings)
{
    std::int64_t digits =
        (Position(rings, kSlotFirstDigit) - 1) * 10 + (Position(rings, kSlotSecondDigit) - 1);
    if (HasThirdDigit(rings.ringMode))
        digits = digits * 10 + (Position(rings, kSlotThirdDigit) - 1);
    for (int i = 1; i < Position(rings, kSlotMultiplier); ++i)
        digits *= 10;
    return digits;
}

std::optional<std::uint32_t> ReadSeedSwitch(std::string_view commandLine)
{
    constexpr std::string_view kSwitch = "/seed:";
    std::size_t start = 0;
    while (start < commandLine.size())
    {
        std::size_t end = commandLine.find_first_of(" \t", start);
        if (end == std::string_view::npos)
            end = commandLine.size();
        const std::string_view word = commandLine.substr(start, end - start);
        start = end + 1;
        if (word.size() <= kSwitch.size() ||
            !std::equal(kSwitch.begin(), kSwitch.end(), word.begin(),
                        [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b); }))
            continue;
        std::uint64_t seed = 0;
        for (char c : word.substr(kSwitch.size()))
        {
            if (c < '0' || c > '9')
                return std::nullopt;
            seed = seed * 10 + static_cast<std::uint64_t>(c - '0');
            if (seed > std::numeric_limits<std::uint32_t>::max())
                return std::nullopt;
        }
        return static_cast<std::uint32_t>(seed);
    }
    return std::nullopt;
}
