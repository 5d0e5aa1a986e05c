// The series resistor of LEDs: the exact value, the standard one, its current and its power.
#include "model/led_resistor.h"

#include "model/series_values.h"

#include <cmath>

namespace
{
// Inputs typed as decimals are not exact doubles: 3 V at 20 mA gives 150 ohms only to the last
// bit, and that bit must not make it 160. The same slack keeps an exact factor of two on a rating.
constexpr double kRoundingSlack = 1e-9;

constexpr double kLowestOhms = 0.1;

LedResult Fault(LedFault fault)
{
    LedResult result;
    result.fault = fault;
    return result;
}

std::optional<std::size_t> RatingFor(double watts)
{
    for (std::size_t i = 0; i < kPowerRatings.size(); ++i)
    {
        if (2.0 * watts <= kPowerRatings[i].watts * (1.0 + kRoundingSlack))
        {
            return i;
        }
    }
    return std::nullopt;
}
} // namespace

LedResult ComputeLedResistor(const LedInput& input)
{
    if (!input.supplyVolts)
        return Fault(LedFault::SupplyNotANumber);
    if (!input.forwardVolts)
        return Fault(LedFault::ForwardNotANumber);
    if (!input.ledCount)
        return Fault(LedFault::CountNotANumber);
    if (!input.milliamps)
        return Fault(LedFault::CurrentNotANumber);
    const double count = *input.ledCount;
    if (count < 1.0 || std::floor(count) != count)
        return Fault(LedFault::CountNotWhole);
    if (*input.forwardVolts <= 0.0)
        return Fault(LedFault::ForwardNotPositive);
    if (*input.milliamps <= 0.0)
        return Fault(LedFault::CurrentNotPositive);
    const double resistorVolts = *input.supplyVolts - count * *input.forwardVolts;
    if (!(resistorVolts > 0.0))
        return Fault(LedFault::SupplyTooLow);

    LedResult result;
    result.exactOhms = resistorVolts / (*input.milliamps * 0.001);
    const std::optional<SeriesValue> standard =
        SeriesValueAtOrAbove(SeriesTable(input.series), result.exactOhms * (1.0 - kRoundingSlack));
    if (!(result.exactOhms >= kLowestOhms * (1.0 - kRoundingSlack)) || !standard)
        return Fault(LedFault::OutOfRange);
    result.standardOhms = SeriesValueOhms(*standard);
    result.milliamps = resistorVolts / result.standardOhms * 1000.0;
    result.watts = resistorVolts * (resistorVolts / result.standardOhms);
    // Only a supply and a current far beyond any bench make the power overflow.
    if (!std::isfinite(result.watts))
        return Fault(LedFault::OutOfRange);
    result.rating = RatingFor(result.watts);
    return result;
}
