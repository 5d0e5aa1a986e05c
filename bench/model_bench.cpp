// Time per call of the model functions that every refresh of the main window runs.
#include "model/resistor_state.h"
#include "model/standard_series.h"
#include "model/value_text.h"

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
    return 0;
}
