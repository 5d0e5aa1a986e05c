// Window binding, subclassing, reflection of notifications and the exception boundary.
#include "framework/wnd.h"

#include <commctrl.h>

#include <exception>

namespace
{
constexpr const char* kBindingProp = "Vantrel.CWnd";

void DefaultDispatchError(const char* what)
{
    ::OutputDebugStringA("Vantrel: error in a window procedure: ");
    ::OutputDebugStringA(what);
    ::OutputDebugStringA("\n");
}

DispatchErrorHook g_dispatchErrorHook = DefaultDispatchError;
} // namespace

DispatchErrorHook SetDispatchErrorHook(DispatchErrorHook hook)
{
    DispatchErrorHook old = g_dispatchErrorHook;
    g_dispatchErrorHook = hook != nullptr ? hook : DefaultDispatchError;
    return old;
}

CWnd::~CWnd()
{
    UnsubclassWindow();
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return hWnd != nullptr ? static_cast<CWnd*>(::GetPropA(hWnd, kBindingProp)) : nullptr;
}

void CWnd::Bind(HWND hWnd)
{
    m_hWnd = hWnd;
    ::SetPropA(hWnd, kBindingProp, this);
}

void CWnd::Unbind()
{
    if (m_hWnd != nullptr && FromHandle(m_hWnd) == this)
        ::RemovePropA(m_hWnd, kBindingProp);
    m_hWnd = nullptr;
}

bool CWnd::SubclassWindow(HWND hWnd)
{
    if (hWnd == nullptr || m_hWnd != nullptr)
        return false;
    // The object's address is the subclass id, so one window may carry several objects' hooks.
    if (!::SetWindowSubclass(hWnd, SubclassProc, reinterpret_cast<UINT_PTR>(this),
                             reinterpret_cast<DWORD_PTR>(this)))
        return false;
    m_bSubclassed = true;
    Bind(hWnd);
    return true;
}

void CWnd::UnsubclassWindow()
{
    if (!m_bSubclassed)
        return;
    ::RemoveWindowSubclass(m_hWnd, SubclassProc, reinterpret_cast<UINT_PTR>(this));
    m_bSubclassed = false;
    Unbind();
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR refData)
{
    CWnd* self = reinterpret_cast<CWnd*>(refData);
    CMessage msg{message, wParam, lParam};
    LRESULT result = 0;
    if (message == WM_NCDESTROY)
    {
        self->DispatchGuarded(msg, result);
        self->UnsubclassWindow();
        return ::DefSubclassProc(hWnd, message, wParam, lParam);
    }
    if (self->DispatchGuarded(msg, result))
        return result;
    return ::DefSubclassProc(hWnd, message, wParam, lParam);
}

bool CWnd::DispatchGuarded(CMessage& msg, LRESULT& result)
{
    try
    {
        return ProcessMessage(msg, result);
    }
    catch (const std::exception& e)
    {
        g_dispatchErrorHook(e.what());
    }
    catch (...)
    {
        g_dispatchErrorHook("unknown exception");
    }
    return false;
}

bool CWnd::ProcessMessage(CMessage& msg, LRESULT& result)
{
    HWND hFrom = nullptr;
    if (msg.message == WM_NOTIFY)
        hFrom = msg.Header()->hwndFrom;
    else if (msg.message == WM_COMMAND && msg.lParam != 0)
        hFrom = reinterpret_cast<HWND>(msg.lParam);
    CWnd* child = FromHandle(hFrom);
    if (child == nullptr || child == this)
        return false;
    CMessage reflected{WM_REFLECT_BASE + msg.message, msg.wParam, msg.lParam};
    return child->DispatchGuarded(reflected, result);
}

LRESULT CWnd::DefaultProc(const CMessage& msg)
{
    if (m_bSubclassed)
        return ::DefSubclassProc(m_hWnd, msg.message, msg.wParam, msg.lParam);
    return ::DefWindowProcA(m_hWnd, msg.message, msg.wParam, msg.lParam);
}
