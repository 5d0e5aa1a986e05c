// Steps run from inside modal loops, and the windows they look for.
#include "modal_step.h"

#include <string>
#include <utility>

namespace
{
std::function<bool()> g_modalStep;

void CALLBACK RunModalStep(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    if (g_modalStep && g_modalStep())
    {
        ::KillTimer(nullptr, idEvent);
        g_modalStep = nullptr;
    }
}
} // namespace

CModalStep::CModalStep(std::function<bool()> step)
    : m_id((g_modalStep = std::move(step), ::SetTimer(nullptr, 0, 20, RunModalStep)))
{
}

CModalStep::~CModalStep()
{
    ::KillTimer(nullptr, m_id);
    g_modalStep = nullptr;
}

HWND FindThreadWindow(const char* pszClass, HWND hOwner)
{
    struct Search
    {
        const char* pszClass;
        HWND hOwner;
        HWND hFound;
    } search{pszClass, hOwner, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL
        {
            auto& s = *reinterpret_cast<Search*>(lParam);
            char szClass[64] = {};
            ::GetClassNameA(hWnd, szClass, sizeof szClass);
            if (std::string(szClass) != s.pszClass || !::IsWindowVisible(hWnd) ||
                (s.hOwner != nullptr && ::GetWindow(hWnd, GW_OWNER) != s.hOwner))
                return TRUE;
            s.hFound = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

std::vector<std::string> ChildTexts(HWND hParent, const char* pszClass)
{
    struct Collect
    {
        const char* pszClass;
        std::vector<std::string> texts;
    } collect{pszClass, {}};
    ::EnumChildWindows(
        hParent,
        [](HWND hWnd, LPARAM lParam) -> BOOL
        {
            auto& c = *reinterpret_cast<Collect*>(lParam);
            char szClass[64] = {};
            ::GetClassNameA(hWnd, szClass, sizeof szClass);
            if (lstrcmpiA(szClass, c.pszClass) == 0)
            {
                char szText[512] = {};
                ::GetWindowTextA(hWnd, szText, sizeof szText);
                c.texts.emplace_back(szText);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&collect));
    return collect.texts;
}

void Press(HWND hDlg, int id)
{
    ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, id)));
}
