// Window test fixture: access-violation and dispatch-error counters, message pumping.
#include "window_test.h"

#include "framework/wnd.h"

#include <commctrl.h>

#include <atomic>
#include <string>
#include <vector>

namespace
{
std::atomic<int> g_accessViolations{0};
std::vector<std::string> g_dispatchErrors;
PVOID g_handler = nullptr;

LONG CALLBACK CountAccessViolations(EXCEPTION_POINTERS* info)
{
    if (info->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION)
        ++g_accessViolations;
    return EXCEPTION_CONTINUE_SEARCH;
}

void RecordDispatchError(const char* what)
{
    g_dispatchErrors.emplace_back(what);
}
} // namespace

void CWindowTest::SetUp()
{
    g_accessViolations = 0;
    g_dispatchErrors.clear();
    if (g_handler == nullptr)
        g_handler = ::AddVectoredExceptionHandler(1, CountAccessViolations);
    SetDispatchErrorHook(RecordDispatchError);
}

void CWindowTest::TearDown()
{
    PumpMessages();
    EXPECT_EQ(g_accessViolations.load(), 0) << "access violation inside a window procedure";
    for (const std::string& what : g_dispatchErrors)
        ADD_FAILURE() << "error at the dispatch boundary: " << what;
    SetDispatchErrorHook(nullptr);
}

void CWindowTest::PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

std::string CWindowTest::WindowText(HWND hWnd)
{
    std::string text(static_cast<size_t>(::GetWindowTextLengthA(hWnd)) + 1, '\0');
    text.resize(static_cast<size_t>(::GetWindowTextA(hWnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

void CWindowTest::DragSelector(HWND hBar, int position)
{
    const bool bVertical = (::GetWindowLongA(hBar, GWL_STYLE) & TBS_VERT) != 0;
    const UINT scroll = bVertical ? WM_VSCROLL : WM_HSCROLL;
    ::SendMessageA(hBar, TBM_SETPOS, TRUE, position);
    for (WORD code : {WORD{TB_THUMBTRACK}, WORD{TB_THUMBPOSITION}, WORD{TB_ENDTRACK}})
        ::SendMessageA(::GetParent(hBar), scroll, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(hBar));
}

bool CWindowTest::IsAbove(HWND hUpper, HWND hLower)
{
    for (HWND hWnd = ::GetTopWindow(nullptr); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        if (hWnd == hUpper)
            return true;
        if (hWnd == hLower)
            return false;
    }
    return false;
}
