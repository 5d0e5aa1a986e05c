// The replacement probe: a message-only window whose posted messages mark when a modal loop has
// worked through everything queued before them.
#include "replacement_probe.h"

#include "bench_clock.h"

namespace
{
constexpr const char* kProbeClass = "BenchReplacementProbe";
constexpr UINT WM_PROBE_FIRST = WM_APP + 40;
constexpr UINT WM_PROBE_SECOND = WM_APP + 41;
// A window that keeps posting to itself would otherwise keep the probe waiting for ever.
constexpr int kMaxRetries = 2000;

struct SubjectSearch
{
    const std::function<bool(HWND)>* pIsSubject;
    HWND hExcept;
    HWND hFound;
};

BOOL CALLBACK FindSubjectWindow(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<SubjectSearch*>(lParam);
    if (hWnd == pSearch->hExcept || !(*pSearch->pIsSubject)(hWnd))
        return TRUE;
    pSearch->hFound = hWnd;
    return FALSE;
}

// What the dialog manager's loop does when its queue first runs dry, then the paint it would
// take next: the window as the user first sees it.
void ShowAndPaint(HWND hWnd)
{
    if (!::IsWindowVisible(hWnd))
        ::ShowWindow(hWnd, SW_SHOWNORMAL);
    ::UpdateWindow(hWnd);
}
} // namespace

CReplacementProbe::CReplacementProbe(std::function<bool(HWND)> isSubject) : m_isSubject(std::move(isSubject))
{
    const HINSTANCE hInstance = ::GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    if (!::GetClassInfoA(hInstance, kProbeClass, &wc))
    {
        wc.lpfnWndProc = ProbeProc;
        wc.hInstance = hInstance;
        wc.lpszClassName = kProbeClass;
        ::RegisterClassA(&wc);
    }
    m_hProbe =
        ::CreateWindowExA(0, kProbeClass, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, hInstance, nullptr);
    ::SetWindowLongPtrA(m_hProbe, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

CReplacementProbe::~CReplacementProbe()
{
    if (m_hProbe != nullptr)
        ::DestroyWindow(m_hProbe);
}

std::optional<double> CReplacementProbe::Measure(const std::function<void()>& run,
                                                 const std::function<void(HWND)>& replace)
{
    if (m_hProbe == nullptr)
        return std::nullopt;
    m_pReplace = &replace;
    m_phase = Phase::WaitFirst;
    m_hFirst = nullptr;
    m_nRetries = 0;
    m_result.reset();
    ::PostMessageA(m_hProbe, WM_PROBE_FIRST, 0, 0);
    run();
    m_phase = Phase::Idle;
    m_pReplace = nullptr;
    // A message the loops did not take must not start the next measurement.
    MSG msg;
    while (::PeekMessageA(&msg, m_hProbe, 0, 0, PM_REMOVE))
    {
    }
    return m_result;
}

LRESULT CALLBACK CReplacementProbe::ProbeProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* pProbe = reinterpret_cast<CReplacementProbe*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (pProbe != nullptr && message == WM_PROBE_FIRST && pProbe->m_phase == Phase::WaitFirst)
    {
        pProbe->OnFirstReady();
        return 0;
    }
    if (pProbe != nullptr && message == WM_PROBE_SECOND && pProbe->m_phase == Phase::WaitSecond)
    {
        pProbe->OnSecondReady();
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

bool CReplacementProbe::WaitBehindQueue(UINT message)
{
    if (HIWORD(::GetQueueStatus(QS_POSTMESSAGE | QS_SENDMESSAGE)) == 0 || m_nRetries >= kMaxRetries)
        return false;
    ++m_nRetries;
    ::PostMessageA(m_hProbe, message, 0, 0);
    return true;
}

HWND CReplacementProbe::FindSubject(HWND hExcept) const
{
    SubjectSearch search{&m_isSubject, hExcept, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), FindSubjectWindow, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

void CReplacementProbe::OnFirstReady()
{
    if (WaitBehindQueue(WM_PROBE_FIRST))
        return;
    m_hFirst = FindSubject(nullptr);
    if (m_hFirst == nullptr)
    {
        if (m_nRetries++ < kMaxRetries)
            ::PostMessageA(m_hProbe, WM_PROBE_FIRST, 0, 0);
        else
            m_phase = Phase::Done;
        return;
    }
    ShowAndPaint(m_hFirst);
    m_phase = Phase::WaitSecond;
    m_nRetries = 0;
    // Posted before the replacement starts: the new window's loop takes it after whatever its
    // creation posted.
    ::PostMessageA(m_hProbe, WM_PROBE_SECOND, 0, 0);
    m_start = NowMs();
    (*m_pReplace)(m_hFirst);
    if (m_phase != Phase::Done)
    {
        // The replacement ended without a new window being seen: close the first one.
        m_phase = Phase::Done;
        if (::IsWindow(m_hFirst))
            ::PostMessageA(m_hFirst, WM_COMMAND, IDCANCEL, 0);
    }
}

void CReplacementProbe::OnSecondReady()
{
    if (WaitBehindQueue(WM_PROBE_SECOND))
        return;
    HWND hSecond = FindSubject(m_hFirst);
    if (hSecond == nullptr)
    {
        if (m_nRetries++ < kMaxRetries)
            ::PostMessageA(m_hProbe, WM_PROBE_SECOND, 0, 0);
        return;
    }
    ShowAndPaint(hSecond);
    m_result = NowMs() - m_start;
    m_phase = Phase::Done;
    ::PostMessageA(hSecond, WM_COMMAND, IDCANCEL, 0);
}
