// Time per call of the model functions that every refresh of the main window runs, and of the
// calculation tools' work on each key typed.
#include "model/led_resistor.h"
#include "model/resistor_state.h"
#include "model/smd_marking_reader.h"
#include "model/smd_marking_writer.h"
#include "model/standard_series.h"
#include "model/value_text.h"
#include "model/voltage_divider.h"

#include <chrono>
#include <cstdio>
#include <vector>

namespace
{
// Keeps the optimiser from dropping the work being timed.
volatile double g_sink = 0.0;

template <typename Work> void Report(const char* name, int calls, Work work)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i)
    {
        work(i);
    }
    const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%-40s %8.3f us/call (%d calls)\n", name, elapsed.count() / calls, calls);
}

// Resistances from a tenth of an ohm to 999 MOhm, with typed fractions, in milliohms.
std::vector<double> SampleValues()
{
    std::vector<double> values;
    for (double decade = 100.0; decade < 1e12; decade *= 10.0)
    {
        for (int step = 100; step < 1000; step += 7)
        {
            values.push_back(decade * step / 100.0 + 0.25);
        }
    }
    return values;
}
} // namespace

int main()
{
    const std::vector<double> values = SampleValues();
    const auto valueAt = [&](int i) { return values[static_cast<std::size_t>(i) % values.size()]; };
    constexpr int kCalls = 200'000;

    Report("ValueToRings", kCalls,
           [&](int i)
           {
               ResistorState state;
               ValueToRings(valueAt(i), i % 3, state);
               g_sink = g_sink + state.positions[kSlotMultiplier];
           });

    Report("RingsToValue + FormatRingValue", kCalls,
           [&](int i)
           {
               ResistorState state;
               state.ringMode = i % 3;
               state.positions = {i % 10 + 1, i / 10 % 10 + 1, i / 100 % 10 + 1, i / 1000 % 9 + 1, 1, 1};
               const RingValueText shown = FormatRingValue(RingsToValue(state));
               g_sink =
                   g_sink + static_cast<double>(shown.text.size() + static_cast<std::size_t>(shown.unit));
           });

    Report("StandardSeriesLines", kCalls / 4,
           [&](int i)
           {
               const StandardLines lines = StandardSeriesLines(valueAt(i));
               g_sink = g_sink + lines.ohms[kSeriesE192Index] + static_cast<double>(lines.lines[0].size());
           });

    const char* const markings[] = {"472", "4701", "01C", "68X", "4K7", "R47", "1m5", "10R0", "97A", "4R7R"};
    Report("ReadSmdMarking", kCalls,
           [&](int i)
           {
               const SmdReading reading = ReadSmdMarking(markings[i % 10]);
               g_sink = g_sink + reading.milliohms;
           });

    Report("WriteSmdMarkings", kCalls / 4,
           [&](int i)
           {
               const SmdMarkings written = WriteSmdMarkings(valueAt(i));
               g_sink =
                   g_sink + static_cast<double>(written.fourDigit.text.size() + written.letter.text.size());
           });

    Report("ComputeLedResistor (E192)", kCalls,
           [&](int i)
           {
               const LedInput input{5.0 + i % 20, 2.0, 1.0 + i % 2, 20.0, kSeriesE192Index};
               g_sink = g_sink + ComputeLedResistor(input).standardOhms;
           });

    // The search of the defaults: E192, R1 + R2 from 1 kOhm to 1 MOhm.
    Report("FindDividerPairs (E192, 1k to 1M)", 2'000,
           [&](int i)
           {
               const DividerInput input{12.0,
                                        0.5 + 11.0 * (i % 997) / 997.0,
                                        false,
                                        kDividerDefaultLowestOhms,
                                        kDividerDefaultHighestOhms,
                                        kSeriesE192Index};
               g_sink = g_sink + FindDividerPairs(input).pairs.front().r1Ohms;
           });
    return 0;
}
