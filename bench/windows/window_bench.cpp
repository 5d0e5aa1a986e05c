// Times the main window's work beside the baseline dialog doing the same work with the same
// kinds of controls, the program's start-up beside a minimal dialog program, and counts what
// each kind of work leaves behind in the process. It prints figures and asserts nothing: it is
// not a test, and the test command does not run it.
#include "baseline_dlg.h"
#include "bench_clock.h"
#include "bench_ids.h"
#include "process_counters.h"
#include "replacement_probe.h"
#include "startup_probe.h"

#include "framework/wnd.h"
#include "mainwnd/main_dlg.h"
#include "model/resistor_state.h"
#include "res/resource.h"
#include "settings/app_settings.h"
#include "shell/resistor_app.h"

#include <commctrl.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{
// Samples per row; the warm-up runs first and is not counted.
constexpr int kStepWarmUp = 50;
constexpr int kSteps = 300;
constexpr int kApplyWarmUp = 10;
constexpr int kApplies = 60;
constexpr int kCreateWarmUp = 5;
constexpr int kCreates = 40;
constexpr int kReplaceWarmUp = 2;
constexpr int kReplaces = 15;
constexpr int kStartWarmUp = 1;
constexpr int kStarts = 8;

// What each kind of work leaves behind: this many operations, or as many as fit in the time
// given to each run, so that the whole benchmark stays within a few minutes; --full lifts
// the time limit.
constexpr int kGrowthOps = 10000;
constexpr int kGrowthCreates = 500;
constexpr double kGrowthBudgetMs = 7000;
double g_growthBudgetMs = kGrowthBudgetMs;
// Phases may take this many times longer with --full.
ULONGLONG g_deadlineFactor = 1;

// Where the two windows stand, apart, so that neither paints over the other.
constexpr POINT kVantrelPlace{20, 20};
constexpr POINT kBaselinePlace{660, 20};

// ---- What would otherwise go unseen: Wine swallows access violations inside window procedures.
std::atomic<long> g_accessViolations{0};
std::atomic<long> g_dispatchErrors{0};

LONG CALLBACK CountAccessViolations(EXCEPTION_POINTERS* pInfo)
{
    if (pInfo->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION)
        ++g_accessViolations;
    return EXCEPTION_CONTINUE_SEARCH;
}

void CountDispatchError(const char* pszWhat)
{
    ++g_dispatchErrors;
    std::printf("!! error at the dispatch boundary: %s\n", pszWhat);
}

// ---- Nothing may hang the run: a phase that overruns its time stops the whole benchmark.
std::atomic<ULONGLONG> g_deadline{0};
std::atomic<const char*> g_pszPhase{""};

DWORD WINAPI WatchdogThread(LPVOID)
{
    for (;;)
    {
        ::Sleep(250);
        const ULONGLONG deadline = g_deadline.load();
        if (deadline != 0 && ::GetTickCount64() > deadline)
        {
            std::printf("!! %s did not finish in time: benchmark stopped\n", g_pszPhase.load());
            std::fflush(stdout);
            ::TerminateProcess(::GetCurrentProcess(), 3);
        }
    }
}

void Arm(const char* pszPhase, ULONGLONG seconds)
{
    g_pszPhase = pszPhase;
    g_deadline = ::GetTickCount64() + seconds * 1000 * g_deadlineFactor;
}

// Messages left queued by a step run between samples, untimed; their number is reported.
long long PumpMessages()
{
    long long count = 0;
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
        ++count;
    }
    return count;
}

// ---- The gestures, sent to either window exactly as its controls would send them.
struct Subject
{
    const char* pszName;
    HWND hDlg;
    int idFirstRing;
    int idValue;
    std::function<void()> applyInterface;
};

// A drag over the rings a value is read from (three digits, then the multiplier), one notch at
// a time, back and forth over each ring's range.
struct RingStep
{
    int slot;
    int position;
};

RingStep RingStepAt(int i)
{
    const int slot = i % 4;
    const int count = kRingPositionCount[static_cast<size_t>(slot)];
    const int period = 2 * (count - 1);
    const int k = (i / 4) % period;
    return {slot, k < count - 1 ? 1 + k : 1 + period - k};
}

void MoveRing(const Subject& subject, int i)
{
    const RingStep step = RingStepAt(i);
    HWND hBar = ::GetDlgItem(subject.hDlg, subject.idFirstRing + step.slot);
    const bool bVertical = (::GetWindowLongA(hBar, GWL_STYLE) & TBS_VERT) != 0;
    // TBM_SETPOS notifies nothing: the parent hears of the drag through the scroll message.
    ::SendMessageA(hBar, TBM_SETPOS, TRUE, step.position);
    ::SendMessageA(subject.hDlg, bVertical ? WM_VSCROLL : WM_HSCROLL,
                   MAKEWPARAM(TB_THUMBTRACK, step.position), reinterpret_cast<LPARAM>(hBar));
    ::UpdateWindow(subject.hDlg);
}

// Even steps type a digit after the text, odd steps take it back: the text stays short.
void TypeKey(const Subject& subject, int i)
{
    HWND hEdit = ::GetDlgItem(subject.hDlg, subject.idValue);
    const WPARAM ch = i % 2 == 0 ? static_cast<WPARAM>('1' + (i / 2) % 9) : WPARAM{VK_BACK};
    ::SendMessageA(hEdit, WM_CHAR, ch, 1);
    ::UpdateWindow(subject.hDlg);
}

void PrepareTyping(const Subject& subject)
{
    HWND hEdit = ::GetDlgItem(subject.hDlg, subject.idValue);
    ::SetWindowTextA(hEdit, "47");
    ::SendMessageA(hEdit, EM_SETSEL, 2, 2);
    ::UpdateWindow(subject.hDlg);
    PumpMessages();
}

void ApplyAll(const Subject& subject, int)
{
    subject.applyInterface();
    ::UpdateWindow(subject.hDlg);
}

using Step = std::function<void(const Subject&, int)>;

// ---- Timing and the table.
struct Timed
{
    std::vector<double> samples;
    long long queued = 0;
    int nextIndex = 0;
};

Timed TimeSteps(const Subject& subject, const Step& step, int warmUp, int count)
{
    Timed timed;
    int i = 0;
    for (; i < warmUp; ++i)
    {
        step(subject, i);
        PumpMessages();
    }
    for (int n = 0; n < count; ++n, ++i)
    {
        const double start = NowMs();
        step(subject, i);
        timed.samples.push_back(NowMs() - start);
        timed.queued += PumpMessages();
    }
    timed.nextIndex = i;
    return timed;
}

long g_faultsSeen = 0;

// Faults since the last row, named under the row they happened in.
void ReportFaults()
{
    const long faults = g_accessViolations.load() + g_dispatchErrors.load();
    if (faults != g_faultsSeen)
        std::printf("   !! %ld access violation(s) / dispatch error(s) so far in the run\n", faults);
    g_faultsSeen = faults;
}

void PrintHeader()
{
    std::printf("%-34s %4s  %-26s  %-26s  %10s  %s\n", "work", "n", "Vantrel min/med/max (ms)",
                "baseline min/med/max (ms)", "ratio(med)", "per second (med) Vantrel/baseline");
}

void PrintRow(const char* pszWork, const std::vector<double>& vantrel, const std::vector<double>& baseline,
              bool bRate)
{
    const Spread v = SpreadOf(vantrel);
    const Spread b = SpreadOf(baseline);
    const double ratio = b.median > 0 ? v.median / b.median : 0.0;
    std::printf("%-34s %4zu  %8.3f %8.3f %8.3f  %8.3f %8.3f %8.3f  %10.2f", pszWork, v.count, v.min, v.median,
                v.max, b.min, b.median, b.max, ratio);
    if (bRate && v.median > 0 && b.median > 0)
        std::printf("  %8.0f / %.0f", 1000.0 / v.median, 1000.0 / b.median);
    std::printf("\n");
    if (v.count != b.count)
        std::printf("   (baseline: %zu samples)\n", b.count);
    ReportFaults();
    std::fflush(stdout);
}

void PrintQueued(const char* pszWork, const Timed& vantrel, const Timed& baseline)
{
    if (vantrel.queued != 0 || baseline.queued != 0)
        std::printf(
            "   %s: messages left queued after the timed steps, run untimed: Vantrel %lld, baseline %lld\n",
            pszWork, vantrel.queued, baseline.queued);
}

// ---- Growth: counters before, half-way and after many operations of one kind. What grows in
// the second half as much as in the first grows with every operation; what grows only in the
// first half is a cache filling up.
struct Growth
{
    std::string strWork;
    const char* pszProgram = "";
    int ops = 0;
    double seconds = 0;
    ProcessCounters before;
    ProcessCounters middle;
    ProcessCounters after;
};
std::vector<Growth> g_growth;

void RunGrowth(const char* pszWork, const char* pszProgram, int maxOps, int firstIndex,
               const std::function<void(int)>& operation)
{
    Growth growth;
    growth.strWork = pszWork;
    growth.pszProgram = pszProgram;
    PumpMessages();
    growth.before = ReadProcessCounters();
    const double start = NowMs();
    // The first half ends at half the operations or half the time; the second does as many.
    int half = 0;
    while (half < maxOps / 2)
    {
        operation(firstIndex + half);
        ++half;
        PumpMessages();
        if (NowMs() - start > g_growthBudgetMs / 2)
            break;
    }
    growth.middle = ReadProcessCounters();
    for (int i = 0; i < half; ++i)
    {
        operation(firstIndex + half + i);
        PumpMessages();
    }
    growth.ops = 2 * half;
    growth.seconds = (NowMs() - start) / 1000.0;
    growth.after = ReadProcessCounters();
    g_growth.push_back(growth);
}

// "before->after (+first half +second half)", in units of unit.
std::string GrowthCell(long long before, long long middle, long long after, long long unit)
{
    if (before < 0 || middle < 0 || after < 0)
        return "n/a";
    char sz[96];
    std::snprintf(sz, sizeof sz, "%lld->%lld (%+lld %+lld)", before / unit, after / unit,
                  (middle - before) / unit, (after - middle) / unit);
    return sz;
}

void PrintGrowthTable()
{
    std::printf(
        "\nWhat each kind of work leaves behind: counter before->after (change in the first half of the "
        "operations, in the second half)\n");
    std::printf("%-28s %-9s %5s %5s  %-22s %-12s %-18s %-26s %-26s\n", "work", "program", "ops", "s",
                "GDI objects", "USER objects", "windows", "heap KiB", "private KiB");
    for (const Growth& g : g_growth)
    {
        std::printf(
            "%-28s %-9s %5d %5.1f  %-22s %-12s %-18s %-26s %-26s\n", g.strWork.c_str(), g.pszProgram, g.ops,
            g.seconds, GrowthCell(g.before.gdiObjects, g.middle.gdiObjects, g.after.gdiObjects, 1).c_str(),
            GrowthCell(g.before.userObjects, g.middle.userObjects, g.after.userObjects, 1).c_str(),
            GrowthCell(g.before.windows, g.middle.windows, g.after.windows, 1).c_str(),
            GrowthCell(g.before.heapBytes, g.middle.heapBytes, g.after.heapBytes, 1024).c_str(),
            GrowthCell(g.before.privateBytes, g.middle.privateBytes, g.after.privateBytes, 1024).c_str());
    }
    std::printf("%s", DescribeCounterSources().c_str());
    std::fflush(stdout);
}

// ---- The windows measured.
CAppSettings& PrepareSettings(CAppSettings& settings)
{
    // The first-run question would wait for an answer.
    settings.m_bFirstRun = FALSE;
    // Every series offered: the side bar then has the baseline panel's seven lines.
    for (BOOL& bUse : settings.m_bUseSeries)
        bUse = TRUE;
    return settings;
}

void PlaceAt(HWND hWnd, POINT place)
{
    ::SetWindowPos(hWnd, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::UpdateWindow(hWnd);
    PumpMessages();
}

// Ring steps, keystrokes and ApplyInterface on one open window of each.
bool MeasureOpenWindow()
{
    Arm("the ring, keystroke and interface measurements", 240);
    CAppSettings settings;
    PrepareSettings(settings);
    auto pDlg = std::make_unique<CMainDlg>(IDD_MAIN_VERTICAL, settings);
    if (!pDlg->Create())
    {
        std::printf("!! the main window could not be created\n");
        return false;
    }
    HWND hBaseline = CreateBaselineDialog(IDD_BASELINE_VERTICAL);
    if (hBaseline == nullptr)
    {
        std::printf("!! the baseline dialog could not be created\n");
        return false;
    }
    CMainDlg& dlg = *pDlg;
    const Subject vantrel{"Vantrel", dlg.GetSafeHwnd(), IDC_BANDE1, IDC_VALUE,
                          [&dlg] { dlg.ApplyInterface(APPLY_ALL); }};
    const Subject baseline{"baseline", hBaseline, IDC_BASE_RING1, IDC_BASE_VALUE,
                           [hBaseline] { ApplyBaselineLook(hBaseline); }};
    PlaceAt(vantrel.hDlg, kVantrelPlace);
    PlaceAt(baseline.hDlg, kBaselinePlace);

    struct Kind
    {
        const char* pszWork;
        Step step;
        int warmUp;
        int count;
        bool bRate;
        // Keystrokes start from a short text with the caret at its end.
        bool bTyping;
        Timed vantrel;
        Timed baseline;
    };
    std::vector<Kind> kinds = {
        {"ring step + paint", MoveRing, kStepWarmUp, kSteps, true, false, {}, {}},
        {"keystroke + paint", TypeKey, kStepWarmUp, kSteps, true, true, {}, {}},
        {"ApplyInterface(ALL) + paint", ApplyAll, kApplyWarmUp, kApplies, false, false, {}, {}},
    };
    for (Kind& kind : kinds)
    {
        if (kind.bTyping)
        {
            PrepareTyping(vantrel);
            PrepareTyping(baseline);
        }
        kind.vantrel = TimeSteps(vantrel, kind.step, kind.warmUp, kind.count);
        kind.baseline = TimeSteps(baseline, kind.step, kind.warmUp, kind.count);
        PrintRow(kind.pszWork, kind.vantrel.samples, kind.baseline.samples, kind.bRate);
        PrintQueued(kind.pszWork, kind.vantrel, kind.baseline);
    }
    const std::string strTyped = CWnd::GetText(::GetDlgItem(vantrel.hDlg, IDC_VALUE));
    if (strTyped != "47")
        std::printf("   note: the value box reads \"%s\" after the keystrokes, not \"47\"\n",
                    strTyped.c_str());

    Arm("the growth runs of the open windows", 240);
    for (Kind& kind : kinds)
    {
        const int maxOps = kGrowthOps;
        for (const Subject* pSubject : {&vantrel, &baseline})
        {
            const Timed& timed = pSubject == &vantrel ? kind.vantrel : kind.baseline;
            const Step& step = kind.step;
            RunGrowth(kind.pszWork, pSubject->pszName, maxOps, timed.nextIndex,
                      [pSubject, &step](int i) { step(*pSubject, i); });
        }
    }
    ::DestroyWindow(hBaseline);
    ::DestroyWindow(vantrel.hDlg);
    pDlg.reset();
    PumpMessages();
    return true;
}

// Create, first paint, destroy: the main window modeless on its vertical template.
void MeasureCreation()
{
    Arm("the creation measurements", 240);
    CAppSettings settings;
    PrepareSettings(settings);
    std::vector<double> createV;
    std::vector<double> destroyV;
    std::vector<double> createB;
    std::vector<double> destroyB;
    auto createVantrel = [&settings](std::vector<double>* pCreate, std::vector<double>* pDestroy)
    {
        double start = NowMs();
        auto pDlg = std::make_unique<CMainDlg>(IDD_MAIN_VERTICAL, settings);
        if (!pDlg->Create())
        {
            std::printf("!! the main window could not be created\n");
            return false;
        }
        HWND hDlg = pDlg->GetSafeHwnd();
        ::UpdateWindow(hDlg);
        if (pCreate != nullptr)
            pCreate->push_back(NowMs() - start);
        PumpMessages();
        start = NowMs();
        ::DestroyWindow(hDlg);
        pDlg.reset();
        if (pDestroy != nullptr)
            pDestroy->push_back(NowMs() - start);
        PumpMessages();
        return true;
    };
    auto createBaseline = [](std::vector<double>* pCreate, std::vector<double>* pDestroy)
    {
        double start = NowMs();
        HWND hDlg = CreateBaselineDialog(IDD_BASELINE_VERTICAL);
        if (hDlg == nullptr)
        {
            std::printf("!! the baseline dialog could not be created\n");
            return false;
        }
        ::UpdateWindow(hDlg);
        if (pCreate != nullptr)
            pCreate->push_back(NowMs() - start);
        PumpMessages();
        start = NowMs();
        ::DestroyWindow(hDlg);
        if (pDestroy != nullptr)
            pDestroy->push_back(NowMs() - start);
        PumpMessages();
        return true;
    };
    for (int i = 0; i < kCreateWarmUp + kCreates; ++i)
    {
        const bool bCounted = i >= kCreateWarmUp;
        if (!createVantrel(bCounted ? &createV : nullptr, bCounted ? &destroyV : nullptr) ||
            !createBaseline(bCounted ? &createB : nullptr, bCounted ? &destroyB : nullptr))
            return;
    }
    PrintRow("create + first paint (vertical)", createV, createB, false);
    PrintRow("destroy", destroyV, destroyB, false);

    Arm("the creation growth runs", 240);
    RunGrowth("create/paint/destroy", "Vantrel", kGrowthCreates, 0,
              [&](int) { createVantrel(nullptr, nullptr); });
    RunGrowth("create/paint/destroy", "baseline", kGrowthCreates, 0,
              [&](int) { createBaseline(nullptr, nullptr); });
}

CMainDlg* MainDlgOf(HWND hWnd)
{
    return dynamic_cast<CMainDlg*>(CWnd::FromHandle(hWnd));
}

// The orientation changed while the program runs: the modal main window is replaced by one
// on the other template, run inside it by the application, as the options do it.
void MeasureOrientationChange()
{
    Arm("the orientation change measurements", 240);
    CResistorApp app;
    CAppSettings& settings = PrepareSettings(app.GetSettings());
    settings.m_nOrientation = 0;
    std::vector<double> toHorizontalV;
    std::vector<double> toVerticalV;
    CReplacementProbe vantrelProbe([](HWND hWnd) { return MainDlgOf(hWnd) != nullptr; });
    for (int i = 0; i < 2 * (kReplaceWarmUp + kReplaces); ++i)
    {
        const bool bToHorizontal = settings.m_nOrientation != kOrientationHorizontal;
        auto run = [&app] { app.RunMainWindow(); };
        auto replace = [&settings, bToHorizontal](HWND hFirst)
        {
            settings.m_nOrientation = bToHorizontal ? kOrientationHorizontal : 0;
            MainDlgOf(hFirst)->ApplyInterface(APPLY_ALL);
        };
        const std::optional<double> ms = vantrelProbe.Measure(run, replace);
        PumpMessages();
        if (!ms)
        {
            std::printf("!! no replacement main window was seen\n");
            return;
        }
        if (i >= 2 * kReplaceWarmUp)
            (bToHorizontal ? toHorizontalV : toVerticalV).push_back(*ms);
    }

    // The baseline's replacement: ended, then the other template run modally in its place.
    std::vector<double> toHorizontalB;
    std::vector<double> toVerticalB;
    UINT idCurrent = IDD_BASELINE_VERTICAL;
    CReplacementProbe baselineProbe([](HWND hWnd) { return ::GetDlgItem(hWnd, IDC_BASE_PANEL) != nullptr; });
    for (int i = 0; i < 2 * (kReplaceWarmUp + kReplaces); ++i)
    {
        const bool bToHorizontal = idCurrent == IDD_BASELINE_VERTICAL;
        auto run = [idCurrent] { RunBaselineDialog(idCurrent); };
        auto replace = [&idCurrent, bToHorizontal](HWND hFirst)
        {
            ::EndDialog(hFirst, 1);
            idCurrent = bToHorizontal ? IDD_BASELINE_HORIZONTAL : IDD_BASELINE_VERTICAL;
            RunBaselineDialog(idCurrent);
        };
        const std::optional<double> ms = baselineProbe.Measure(run, replace);
        PumpMessages();
        if (!ms)
        {
            std::printf("!! no replacement baseline dialog was seen\n");
            return;
        }
        if (i >= 2 * kReplaceWarmUp)
            (bToHorizontal ? toHorizontalB : toVerticalB).push_back(*ms);
    }
    PrintRow("orientation change, to horizontal", toHorizontalV, toHorizontalB, false);
    PrintRow("orientation change, to vertical", toVerticalV, toVerticalB, false);
}

std::string ProgramFolder()
{
    char szPath[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string strPath(szPath, length);
    const size_t slash = strPath.find_last_of('\\');
    return slash == std::string::npos ? std::string() : strPath.substr(0, slash + 1);
}

// Whole programs: started as processes, one after the other in turn, so that they share any drift.
void MeasureStartUp()
{
    Arm("the start-up measurements", 300);
    const std::string strFolder = ProgramFolder();
    char szSelf[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szSelf, MAX_PATH);
    struct Program
    {
        std::string strExe;
        std::string strArgs;
        std::string strCaption;
        std::vector<double> toIdle;
        std::vector<double> toExit;
    };
    Program programs[] = {
        {strFolder + "Vantrel.exe", "", "Vantrel", {}, {}},
        {strFolder + "minimal_dialog.exe", "", "Minimal", {}, {}},
        {szSelf, "--baseline-dialog", "Baseline", {}, {}},
    };
    for (int i = 0; i < kStartWarmUp + kStarts; ++i)
    {
        for (Program& program : programs)
        {
            const StartupSample sample = StartAndClose(program.strExe, program.strArgs, program.strCaption);
            if (!sample.bOk)
            {
                std::printf("!! %s: %s\n", program.strExe.c_str(), sample.strError.c_str());
                continue;
            }
            if (sample.exitCode != 0)
                std::printf("   note: %s ended with code %lu\n", program.strExe.c_str(), sample.exitCode);
            if (i >= kStartWarmUp)
            {
                program.toIdle.push_back(sample.msToIdle);
                program.toExit.push_back(sample.msToExit);
            }
        }
    }
    PrintRow("start-up to idle (vs minimal)", programs[0].toIdle, programs[1].toIdle, false);
    PrintRow("WM_CLOSE to exit (vs minimal)", programs[0].toExit, programs[1].toExit, false);
    PrintRow("start-up to idle (vs baseline exe)", programs[0].toIdle, programs[2].toIdle, false);
    PrintRow("WM_CLOSE to exit (vs baseline exe)", programs[0].toExit, programs[2].toExit, false);
}

std::string WineVersion()
{
    using WineGetVersion = const char*(__cdecl*)();
    FARPROC pProc = ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version");
    if (pProc == nullptr)
        return "Windows";
    WineGetVersion getVersion = nullptr;
    static_assert(sizeof getVersion == sizeof pProc);
    std::memcpy(&getVersion, &pProc, sizeof getVersion);
    return std::string("Wine ") + getVersion();
}
} // namespace

int main(int argc, char** argv)
{
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_COOL_CLASSES};
    ::InitCommonControlsEx(&icc);
    if (!RegisterBaselineClasses(::GetModuleHandleA(nullptr)))
    {
        std::printf("!! the baseline panel class could not be registered\n");
        return 1;
    }
    // Started by the start-up measurement: the baseline dialog as a program of its own.
    if (argc > 1 && std::strcmp(argv[1], "--baseline-dialog") == 0)
        return RunBaselineDialog(IDD_BASELINE_HORIZONTAL) == -1 ? 1 : 0;
    if (argc > 1 && std::strcmp(argv[1], "--full") == 0)
    {
        g_growthBudgetMs = 1e12;
        g_deadlineFactor = 30;
    }
    else if (argc > 1)
    {
        std::printf("usage: window_bench [--full]\n"
                    "  --full  every growth run does all its operations, however long it takes\n");
        return 1;
    }
    const double runStart = NowMs();

    ::AddVectoredExceptionHandler(1, CountAccessViolations);
    SetDispatchErrorHook(CountDispatchError);
    HANDLE hWatchdog = ::CreateThread(nullptr, 0, WatchdogThread, nullptr, 0, nullptr);
    if (hWatchdog != nullptr)
        ::CloseHandle(hWatchdog);

    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    std::printf("Vantrel window benchmark on %s; QueryPerformanceCounter at %.3f MHz\n",
                WineVersion().c_str(), static_cast<double>(frequency.QuadPart) / 1e6);
    std::printf(
        "Each row times the same work on Vantrel's main window and on the baseline dialog (same compiler\n"
        "and flags, same kinds and number of controls, one plain dialog procedure); ratio = medians.\n"
        "Steps and keystrokes include the paint they cause (UpdateWindow of the dialog).\n\n");
    PrintHeader();
    std::fflush(stdout);

    if (MeasureOpenWindow())
    {
        MeasureOrientationChange();
        MeasureCreation();
    }
    MeasureStartUp();
    g_deadline = 0;
    std::printf(
        "\nring step: TBM_SETPOS on a selector (the three digits and the multiplier in turn, one notch at a\n"
        "  time), WM_HSCROLL/WM_VSCROLL with TB_THUMBTRACK and its handle to the dialog, UpdateWindow.\n"
        "keystroke: WM_CHAR to the value box, a digit then a backspace in turn, UpdateWindow.\n"
        "ApplyInterface: the layout unchanged; the baseline does the same steps by hand (z-order,\n"
        "  panel rows and fields rebuilt, selectors hidden, layered, repainted, shown).\n"
        "orientation change: from the call until the modal window replacing the first is shown and painted\n"
        "  with nothing queued before its paint; the first window's destruction comes later, uncounted.\n"
        "start-up: CreateProcess until the window is visible, painted (no update region left) and answers\n"
        "  WM_NULL, then WM_CLOSE until the process has ended. minimal: a one-template dialog program;\n"
        "  baseline exe: this benchmark showing the baseline dialog as a program.\n");
    PrintGrowthTable();

    const long faults = g_accessViolations.load() + g_dispatchErrors.load();
    std::printf("\naccess violations: %ld, errors at the dispatch boundary: %ld; run time %.0f s\n",
                g_accessViolations.load(), g_dispatchErrors.load(), (NowMs() - runStart) / 1000.0);
    std::fflush(stdout);
    return faults == 0 ? 0 : 2;
}
