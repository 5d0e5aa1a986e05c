// The best series-parallel combinations of one to four resistors for a target resistance,
// searched over every arrangement and every choice of values, a slice at a time or at once.
#pragma once

#include "model/combination_arrangement.h"
#include "model/combination_board.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <vector>

struct CombinationResult
{
    Arrangement arrangement = Arrangement::Single;
    // The values in the arrangement's slot order; slots past its resistor count hold 0.
    std::array<double, kMaxCombinationResistors> slotOhms{};
    double ohms = 0.0;
    // (ohms - target) / target.
    double relativeError = 0.0;
    // Within the first step of kCombinationErrorStep: what the page shows as "exact".
    bool exact = false;
    // "(4,7 k + 1 k) // 10 k".
    std::string text;
};

enum class CombinationStatus
{
    Ready,
    // Not a number, 0, negative or beyond the range of IsCombinationOhms.
    BadTarget,
    // Not 1 to kMaxCombinationResistors.
    BadResistorCount,
    NoValues,
    BadValue,
    TooManyValues,
};

// About a millisecond of work in a native build on this machine, seldom more than a few.
constexpr std::size_t kCombinationSlice = 100'000;

// Networks of up to a number of resistors from a list of values, each value usable as often as
// wanted. Results: the kCombinationResultCount best networks, each network once whatever the
// order of its parts, ordered by CombinationRanksBefore. Run from one thread, but for Cancel.
class CombinationSearch
{
public:
    CombinationSearch();
    ~CombinationSearch();
    CombinationSearch(const CombinationSearch&) = delete;
    CombinationSearch& operator=(const CombinationSearch&) = delete;

    // Any earlier search is dropped, but what it made of its values serves again when these are
    // the same. `values` in any order, repeats allowed; nothing is kept of the span. Only on
    // Ready does a search start.
    CombinationStatus Start(double targetOhms, std::span<const double> values, int maxResistors);

    // Runs about `work` units (entries looked at; see kCombinationSlice); true once the search
    // is over: finished, cancelled or never started.
    bool Advance(std::size_t work);

    // May be called from any thread; the search stops at the next unit of work.
    void Cancel() { m_cancelRequested = true; }

    bool IsRunning() const { return m_state == State::Running; }
    bool IsFinished() const { return m_state == State::Finished; }
    bool IsCancelled() const { return m_state == State::Cancelled; }

    // From 0 to 1, reaching 1 when finished.
    double Progress() const;

    // The best found so far: the exact answer once finished.
    std::vector<CombinationResult> Results() const;

private:
    enum class State
    {
        Idle,
        Running,
        Finished,
        Cancelled,
    };

    struct Source;
    struct Run;

    State m_state = State::Idle;
    std::atomic<bool> m_cancelRequested = false;
    std::unique_ptr<Source> m_source;
    std::unique_ptr<Run> m_run;
};

struct CombinationAnswer
{
    CombinationStatus status = CombinationStatus::Ready;
    std::vector<CombinationResult> results;
};

// The whole search in one call.
CombinationAnswer FindCombinations(double targetOhms, std::span<const double> values, int maxResistors);
