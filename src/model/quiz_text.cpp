// The quiz's texts of a resistance, through the program's own value formatting.
#include "model/quiz_text.h"

#include "model/quiz_question.h"
#include "model/ring_colours.h"
#include "model/value_text.h"

std::string QuizValueText(std::int64_t hundredths)
{
    // Single precision, as the rings' value is everywhere else in the program: the texts of a
    // choice and of the value box are the same for the same rings.
    const RingValueText shown = FormatRingValue(static_cast<float>(hundredths));
    std::string text = shown.text;
    text += ' ';
    text += kUnitSummaryNames[static_cast<std::size_t>(shown.unit)];
    return text;
}

std::string QuizReadingText(const ResistorState& rings, std::string_view separator)
{
    const RingValueText shown = FormatRingValue(static_cast<float>(RingsHundredths(rings)));
    return BuildValueSummary(shown.text, shown.unit, ToleranceText(rings.positions[kSlotTolerance]),
                             TempCoText(rings.positions[kSlotTempCo]), rings.ringMode, separator);
}
