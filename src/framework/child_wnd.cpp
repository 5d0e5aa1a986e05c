// Owned child controls: created by code, destroyed with their object.
#include "framework/child_wnd.h"

CChildWnd::~CChildWnd()
{
    // A window that its parent already destroyed unbound itself at WM_NCDESTROY: the handle is
    // then null here, so a recycled handle value is never destroyed by mistake.
    HWND hWnd = m_hWnd;
    if (hWnd == nullptr)
        return;
    UnsubclassWindow();
    ::DestroyWindow(hWnd);
}

bool CChildWnd::CreateEx(DWORD dwExStyle, const char* pszClassName, DWORD dwStyle, HWND hParent, UINT nID)
{
    if (m_hWnd != nullptr)
        return false;
    HWND hWnd = ::CreateWindowExA(dwExStyle, pszClassName, nullptr, dwStyle, 0, 0, 0, 0, hParent,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)),
                                  ::GetModuleHandleA(nullptr), nullptr);
    if (hWnd == nullptr)
        return false;
    if (!SubclassWindow(hWnd))
    {
        ::DestroyWindow(hWnd);
        return false;
    }
    return true;
}
