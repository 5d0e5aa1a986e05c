// The best series-parallel combinations of one to four resistors for a target resistance,
// searched over every arrangement and every choice of values, a slice at a time or at once.
#include "model/combination_search.h"

#include "model/combination_context.h"
#include "model/combination_pairs.h"
#include "model/combination_stages.h"
#include "model/combination_values.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace
{
enum class TaskKind
{
    Stage,
    BuildSums,
    BuildParallels,
};

struct Task
{
    TaskKind kind;
    const CombinationStage* stage;
    // Expected work, for the progress.
    double weight;
};

std::vector<double> Conductances(const std::vector<double>& values)
{
    std::vector<double> conductances;
    conductances.reserve(values.size());
    for (const double ohms : values)
    {
        conductances.push_back(1.0 / ohms);
    }
    return conductances;
}
} // namespace

// What a search makes of its values alone, kept for the next search from the same values:
// sorting every pair is most of the work of a search of four resistors.
struct CombinationSearch::Source
{
    explicit Source(std::vector<double> sorted)
        : values(std::move(sorted)), conductances(Conductances(values))
    {
    }

    bool PairsReady() const
    {
        const std::size_t pairs = values.size() * (values.size() + 1) / 2;
        return sums.IsSorted() && sums.Size() == pairs && parallels.IsSorted() && parallels.Size() == pairs;
    }

    std::vector<double> values;
    std::vector<double> conductances;
    CombinationPairs sums;
    CombinationPairs parallels;
};

struct CombinationSearch::Run
{
    Run(double target, Source& from)
        : values(from.values), sums(from.sums), parallels(from.parallels),
          board(target, values), context{values, from.conductances, sums, parallels, board}
    {
    }

    std::size_t Length(const Task& task) const
    {
        switch (task.stage->loop)
        {
        case StageLoop::Once:
            return 1;
        case StageLoop::Values:
            return values.size();
        case StageLoop::Sums:
            return sums.Size();
        case StageLoop::Parallels:
            return parallels.Size();
        }
        return 0;
    }

    double Fraction() const
    {
        const Task& task = tasks[current];
        switch (task.kind)
        {
        case TaskKind::BuildSums:
            return static_cast<double>(sums.WorkDone()) /
                   static_cast<double>(std::max<std::size_t>(sums.WorkTotal(), 1));
        case TaskKind::BuildParallels:
            return static_cast<double>(parallels.WorkDone()) /
                   static_cast<double>(std::max<std::size_t>(parallels.WorkTotal(), 1));
        case TaskKind::Stage:
            return static_cast<double>(cursor) / static_cast<double>(std::max<std::size_t>(Length(task), 1));
        }
        return 0.0;
    }

    void NextTask()
    {
        weightDone += tasks[current].weight;
        ++current;
        cursor = 0;
    }

    // Runs tasks until `work` is spent; true once all are done.
    bool Advance(std::size_t work, const std::atomic<bool>& cancelRequested)
    {
        std::size_t spent = 0;
        while (current < tasks.size() && spent < work && !cancelRequested)
        {
            const Task& task = tasks[current];
            if (task.kind != TaskKind::Stage)
            {
                CombinationPairs& pairs = task.kind == TaskKind::BuildSums ? sums : parallels;
                spent += pairs.Step() + 1;
                if (pairs.IsSorted())
                {
                    NextTask();
                }
                continue;
            }
            const std::size_t before = context.work;
            const bool more = task.stage->step(context, cursor++);
            spent += context.work - before + 1;
            if (!more || cursor >= Length(task))
            {
                NextTask();
            }
        }
        return current == tasks.size();
    }

    const std::vector<double>& values;
    CombinationPairs& sums;
    CombinationPairs& parallels;
    CombinationBoard board;
    CombinationContext context;
    std::vector<Task> tasks;
    std::size_t current = 0;
    std::size_t cursor = 0;
    double weightDone = 0.0;
    double weightTotal = 0.0;
};

CombinationSearch::CombinationSearch() = default;
CombinationSearch::~CombinationSearch() = default;

CombinationStatus CombinationSearch::Start(double targetOhms, std::span<const double> values,
                                           int maxResistors)
{
    m_run.reset();
    m_state = State::Idle;
    m_cancelRequested = false;
    if (maxResistors < 1 || maxResistors > kMaxCombinationResistors)
    {
        return CombinationStatus::BadResistorCount;
    }
    if (!IsCombinationOhms(targetOhms))
    {
        return CombinationStatus::BadTarget;
    }
    if (values.empty())
    {
        return CombinationStatus::NoValues;
    }
    if (!std::all_of(values.begin(), values.end(), IsCombinationOhms))
    {
        return CombinationStatus::BadValue;
    }
    std::vector<double> sorted = SortedDistinctValues(values);
    if (sorted.size() > kMaxCombinationValues)
    {
        return CombinationStatus::TooManyValues;
    }

    if (!m_source || m_source->values != sorted)
    {
        m_source = std::make_unique<Source>(std::move(sorted));
    }
    m_run = std::make_unique<Run>(targetOhms, *m_source);
    Run& run = *m_run;
    const auto n = static_cast<double>(run.values.size());
    const double pairs = n * (n + 1.0) / 2.0;
    for (int resistors = 1; resistors <= maxResistors; ++resistors)
    {
        std::span<const CombinationStage> stages = FewResistorStages(resistors);
        if (resistors == kMaxCombinationResistors)
        {
            if (!m_source->PairsReady())
            {
                run.sums.Start(m_source->values);
                run.parallels.Start(m_source->conductances);
                run.tasks.push_back({TaskKind::BuildSums, nullptr, 3.0 * pairs});
                run.tasks.push_back({TaskKind::BuildParallels, nullptr, 3.0 * pairs});
            }
            stages = FourResistorStages();
        }
        for (const CombinationStage& stage : stages)
        {
            // A stage of two chosen values looks at about a tenth of the second ones.
            const bool nested = stage.loop == StageLoop::Values && resistors > 2;
            const double weight = stage.loop == StageLoop::Once     ? 1.0
                                  : stage.loop == StageLoop::Values ? (nested ? n * n / 10.0 : n)
                                                                    : pairs / 2.0;
            run.tasks.push_back({TaskKind::Stage, &stage, weight});
        }
    }
    for (const Task& task : run.tasks)
    {
        run.weightTotal += task.weight;
    }
    m_state = State::Running;
    return CombinationStatus::Ready;
}

bool CombinationSearch::Advance(std::size_t work)
{
    if (m_state != State::Running)
    {
        return true;
    }
    if (m_run->Advance(work, m_cancelRequested))
    {
        m_state = State::Finished;
    }
    else if (m_cancelRequested)
    {
        m_state = State::Cancelled;
    }
    return m_state != State::Running;
}

double CombinationSearch::Progress() const
{
    if (m_state == State::Finished)
    {
        return 1.0;
    }
    if (!m_run)
    {
        return 0.0;
    }
    const Run& run = *m_run;
    const double current =
        run.current < run.tasks.size() ? run.tasks[run.current].weight * run.Fraction() : 0.0;
    return std::min((run.weightDone + current) / run.weightTotal, 1.0);
}

std::vector<CombinationResult> CombinationSearch::Results() const
{
    std::vector<CombinationResult> results;
    if (!m_run)
    {
        return results;
    }
    const CombinationBoard& board = m_run->board;
    for (const CombinationEntry& entry : board.Entries())
    {
        CombinationResult result;
        result.arrangement = entry.arrangement;
        for (int slot = 0; slot < ArrangementResistorCount(entry.arrangement); ++slot)
        {
            const auto s = static_cast<std::size_t>(slot);
            result.slotOhms[s] = m_run->values[entry.slots[s]];
        }
        result.ohms = entry.ohms;
        result.relativeError = (entry.ohms - board.TargetOhms()) / board.TargetOhms();
        result.exact = entry.errorSteps == 0.0;
        result.text = ArrangementText(entry.arrangement, result.slotOhms);
        results.push_back(std::move(result));
    }
    return results;
}

CombinationAnswer FindCombinations(double targetOhms, std::span<const double> values, int maxResistors)
{
    CombinationAnswer answer;
    CombinationSearch search;
    answer.status = search.Start(targetOhms, values, maxResistors);
    while (!search.Advance(std::numeric_limits<std::size_t>::max()))
    {
    }
    answer.results = search.Results();
    return answer;
}
