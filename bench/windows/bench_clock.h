// Timing for the benchmarks: QueryPerformanceCounter in milliseconds, and the spread of samples.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

inline double NowMs()
{
    static const double s_ticksPerMs = []
    {
        LARGE_INTEGER frequency{};
        ::QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / s_ticksPerMs;
}

struct Spread
{
    size_t count = 0;
    double min = 0;
    double median = 0;
    double max = 0;
};

inline Spread SpreadOf(std::vector<double> samples)
{
    Spread spread;
    spread.count = samples.size();
    if (samples.empty())
        return spread;
    std::sort(samples.begin(), samples.end());
    const size_t mid = samples.size() / 2;
    spread.min = samples.front();
    spread.max = samples.back();
    spread.median = samples.size() % 2 != 0 ? samples[mid] : (samples[mid - 1] + samples[mid]) / 2;
    return spread;
}
