// The calculation tools' text of a resistance, with its unit.
#include "model/tool_value_text.h"

#include "model/decimal_format.h"
#include "model/resistance_range.h"
#include "model/value_text.h"

#include <string_view>

namespace
{
struct ToolUnit
{
    double milliohms;
    std::string_view name;
};

constexpr ToolUnit kMegaOhms = {1e9, kUnitSummaryNames[kUnitMegaOhm]};
constexpr ToolUnit kKiloOhms = {1e6, kUnitSummaryNames[kUnitKiloOhm]};
constexpr ToolUnit kOhms = {1e3, kUnitSummaryNames[kUnitOhm]};
constexpr ToolUnit kMilliohms = {1.0, "mOhms"};

const ToolUnit& UnitOf(double milliohms)
{
    if (milliohms >= kMegaOhms.milliohms)
        return kMegaOhms;
    if (milliohms >= kKiloOhms.milliohms)
        return kKiloOhms;
    // 0 is a link of 0 ohms, not of 0 milliohms.
    if (milliohms >= kOhms.milliohms || milliohms == 0.0)
        return kOhms;
    return kMilliohms;
}
} // namespace

std::string ResistanceText(double milliohms)
{
    const double value = ClampMilliohms(milliohms);
    const ToolUnit& unit = UnitOf(value);
    std::string text = FormatDecimal(static_cast<float>(value / unit.milliohms), 3);
    text += ' ';
    text += unit.name;
    return text;
}

std::string ErrorPercentText(double percent)
{
    std::string digits = FormatDecimal(static_cast<float>(percent < 0.0 ? -percent : percent), 3);
    std::string text;
    if (digits != "0")
        text = percent < 0.0 ? "-" : "+";
    text += digits;
    text += " %";
    return text;
}
