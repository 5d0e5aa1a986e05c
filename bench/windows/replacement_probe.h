// Times the replacement of a modal window by another one run inside it: from the call that
// starts the replacement until the new window is shown and painted, with nothing posted before
// its paint left in the queue. The new window is then closed so that the call returns.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

class CReplacementProbe
{
public:
    // isSubject: whether a top-level window of this thread is one of the windows measured.
    explicit CReplacementProbe(std::function<bool(HWND)> isSubject);
    ~CReplacementProbe();
    CReplacementProbe(const CReplacementProbe&) = delete;
    CReplacementProbe& operator=(const CReplacementProbe&) = delete;

    // run: runs the first modal window to its end. Once that window is shown and painted,
    // replace(hFirst) is called from inside its loop and must start the replacement; it returns
    // when the new window has ended. Nothing when no new window was seen.
    std::optional<double> Measure(const std::function<void()>& run, const std::function<void(HWND)>& replace);

private:
    enum class Phase
    {
        Idle,
        WaitFirst,
        WaitSecond,
        Done
    };
    static LRESULT CALLBACK ProbeProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void OnFirstReady();
    void OnSecondReady();
    // Posted messages are taken before paint: the check waits behind them by posting itself again.
    bool WaitBehindQueue(UINT message);
    HWND FindSubject(HWND hExcept) const;

    std::function<bool(HWND)> m_isSubject;
    const std::function<void(HWND)>* m_pReplace = nullptr;
    HWND m_hProbe = nullptr;
    Phase m_phase = Phase::Idle;
    HWND m_hFirst = nullptr;
    int m_nRetries = 0;
    double m_start = 0;
    std::optional<double> m_result;
};
