// Time per call of the model functions that every refresh of the main window runs, of the
// calculation tools' work on each key typed, and of one combination search for each source and
// resistor count the page offers.
#include "model/combination_search.h"
#include "model/combination_values.h"
#include "model/label_sheet.h"
#include "model/led_resistor.h"
#include "model/resistor_state.h"
#include "model/smd_marking_reader.h"
#include "model/smd_marking_writer.h"
#include "model/standard_series.h"
#include "model/value_text.h"
#include "model/voltage_divider.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
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

using Milliseconds = std::chrono::duration<double, std::milli>;

// Draws that depend on the seed alone, on every platform.
class BenchRandom
{
public:
    explicit BenchRandom(std::uint32_t seed) : m_engine(seed) {}

    double Unit() { return static_cast<double>(m_engine()) / 4294967296.0; }

    // Log-uniform from 1 Ohm to 10 MOhms.
    double Ohms() { return std::pow(10.0, 7.0 * Unit()); }

private:
    std::mt19937 m_engine;
};

// A drawer of 500 different values of three figures from 1 Ohm to 10 MOhms.
std::vector<double> StockValues()
{
    BenchRandom random(500);
    std::vector<double> values;
    while (values.size() < 500)
    {
        const double ohms = random.Ohms();
        const double unit = std::pow(10.0, std::floor(std::log10(ohms)) - 2.0);
        const double rounded = std::round(ohms / unit) * unit;
        if (std::find(values.begin(), values.end(), rounded) == values.end())
        {
            values.push_back(rounded);
        }
    }
    return values;
}

// One search per target, run in the page's slices: the mean and longest search, and the
// longest slice, which is how long the window would wait at worst between two messages. Each
// search starts afresh, or with `again` from the search before, of the same values.
void ReportCombinations(const char* name, const std::vector<double>& values, int resistors, int targets,
                        bool again = false)
{
    BenchRandom random(static_cast<std::uint32_t>(values.size() * 10 + static_cast<std::size_t>(resistors)));
    double total = 0.0;
    double longest = 0.0;
    double longestSlice = 0.0;
    CombinationSearch before;
    if (again)
    {
        before.Start(kDefaultLowestOhms, values, resistors);
        while (!before.Advance(kCombinationSlice))
        {
        }
    }
    for (int i = 0; i < targets; ++i)
    {
        CombinationSearch fresh;
        CombinationSearch& search = again ? before : fresh;
        const auto start = std::chrono::steady_clock::now();
        search.Start(random.Ohms(), values, resistors);
        auto sliceStart = start;
        for (bool done = false; !done;)
        {
            done = search.Advance(kCombinationSlice);
            const auto now = std::chrono::steady_clock::now();
            longestSlice = std::max(longestSlice, Milliseconds(now - sliceStart).count());
            sliceStart = now;
        }
        const double elapsed = Milliseconds(sliceStart - start).count();
        g_sink = g_sink + search.Results().front().ohms;
        total += elapsed;
        longest = std::max(longest, elapsed);
    }
    std::printf("%-40s %8.2f ms/search (longest %.2f, longest slice %.2f; %d targets)\n", name,
                total / targets, longest, longestSlice, targets);
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

    const std::vector<double> labelValues = SeriesValuesInRange(kSeriesE192Index, 10.0, 1e6);
    Report("MakeLabelContents (E192, 10 to 1M: 961)", 50,
           [&](int) { g_sink = g_sink + static_cast<double>(MakeLabelContents(labelValues).size()); });

    const auto series = [](std::size_t index)
    { return SeriesValuesInRange(index, kDefaultLowestOhms, kDefaultHighestOhms); };
    ReportCombinations("Combinations E192 x 2", series(kSeriesE192Index), 2, 200);
    ReportCombinations("Combinations E192 x 3", series(kSeriesE192Index), 3, 50);
    ReportCombinations("Combinations E24 x 4", series(kSeriesE24Index), 4, 50);
    ReportCombinations("Combinations stock of 500 x 4", StockValues(), 4, 20);
    ReportCombinations("Combinations E48 x 4", series(kSeriesE48Index), 4, 20);
    ReportCombinations("Combinations E96 x 4", series(kSeriesE96Index), 4, 20);
    ReportCombinations("Combinations E192 x 4", series(kSeriesE192Index), 4, 20);
    ReportCombinations("Combinations again, stock of 500 x 4", StockValues(), 4, 20, true);
    ReportCombinations("Combinations again, E96 x 4", series(kSeriesE96Index), 4, 20, true);
    ReportCombinations("Combinations again, E192 x 4", series(kSeriesE192Index), 4, 20, true);
    return 0;
}
