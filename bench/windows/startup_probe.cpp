// The start-up probe: CreateProcess, WaitForInputIdle, then a poll for the process's window.
// Another process's window counts as painted once neither it nor any descendant has an update
// region left, and as idle once it answers a sent message.
#include "startup_probe.h"

#include "bench_clock.h"

#include <windows.h>

#include <vector>

namespace
{
constexpr DWORD kShowTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 10000;
constexpr UINT kAnswerTimeoutMs = 5000;

struct WindowSearch
{
    DWORD pid;
    const std::string* pCaption;
    HWND hFound;
};

BOOL CALLBACK FindProcessWindow(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<WindowSearch*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid != pSearch->pid || !::IsWindowVisible(hWnd))
        return TRUE;
    char szCaption[64] = {};
    ::GetWindowTextA(hWnd, szCaption, sizeof szCaption);
    if (*pSearch->pCaption != szCaption)
        return TRUE;
    pSearch->hFound = hWnd;
    return FALSE;
}

BOOL CALLBACK FindPendingPaint(HWND hWnd, LPARAM lParam)
{
    if (::IsWindowVisible(hWnd) && ::GetUpdateRect(hWnd, nullptr, FALSE))
    {
        *reinterpret_cast<bool*>(lParam) = true;
        return FALSE;
    }
    return TRUE;
}

bool IsPainted(HWND hWnd)
{
    if (::GetUpdateRect(hWnd, nullptr, FALSE))
        return false;
    bool bPending = false;
    ::EnumChildWindows(hWnd, FindPendingPaint, reinterpret_cast<LPARAM>(&bPending));
    return !bPending;
}

void Terminate(const PROCESS_INFORMATION& pi)
{
    ::TerminateProcess(pi.hProcess, 1);
    ::WaitForSingleObject(pi.hProcess, kExitTimeoutMs);
}
} // namespace

StartupSample StartAndClose(const std::string& strExe, const std::string& strArgs,
                            const std::string& strCaption)
{
    StartupSample sample;
    std::string strCommand = "\"" + strExe + "\"";
    if (!strArgs.empty())
        strCommand += " " + strArgs;
    std::vector<char> command(strCommand.begin(), strCommand.end());
    command.push_back('\0');
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};

    const double start = NowMs();
    if (!::CreateProcessA(strExe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                          &pi))
    {
        sample.strError = "CreateProcess failed, error " + std::to_string(::GetLastError());
        return sample;
    }
    // Console programs answer at once; the poll below is what decides.
    ::WaitForInputIdle(pi.hProcess, kShowTimeoutMs);

    HWND hWnd = nullptr;
    while (NowMs() - start < kShowTimeoutMs)
    {
        if (::WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0)
        {
            sample.strError = "the process ended before showing its window";
            break;
        }
        WindowSearch search{pi.dwProcessId, &strCaption, nullptr};
        ::EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
        DWORD_PTR answer = 0;
        if (search.hFound != nullptr && IsPainted(search.hFound) &&
            ::SendMessageTimeoutA(search.hFound, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                                  &answer) != 0)
        {
            hWnd = search.hFound;
            break;
        }
        ::Sleep(1);
    }
    if (hWnd == nullptr)
    {
        if (sample.strError.empty())
            sample.strError = "no painted window \"" + strCaption + "\" within 30 s";
        Terminate(pi);
    }
    else
    {
        sample.msToIdle = NowMs() - start;
        const double closing = NowMs();
        ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(pi.hProcess, kExitTimeoutMs) == WAIT_OBJECT_0)
        {
            sample.msToExit = NowMs() - closing;
            DWORD code = 0;
            ::GetExitCodeProcess(pi.hProcess, &code);
            sample.exitCode = code;
            sample.bOk = true;
        }
        else
        {
            sample.strError = "still running 10 s after WM_CLOSE";
            Terminate(pi);
        }
    }
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return sample;
}
