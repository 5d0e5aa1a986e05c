// Window binding, subclassing, reflection of notifications and the exception boundary.
#include "framework/wnd.h"

#include "framework/resource_module.h"

#include <commctrl.h>

#include <exception>
#include <utility>

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

const CMessageMap CWnd::s_messageMap;

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
    const CMessage msg{message, wParam, lParam};
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

bool CWnd::DispatchGuarded(const CMessage& msg, LRESULT& result)
{
    // Handlers send messages of their own: the one being handled comes back after them.
    const CMessage* pOuter = std::exchange(m_pCurrentMessage, &msg);
    const bool bOuterDeclined = std::exchange(m_bDeclined, false);
    bool bHandled = false;
    try
    {
        bHandled = ProcessMessage(msg, result);
    }
    catch (const std::exception& e)
    {
        g_dispatchErrorHook(e.what());
    }
    catch (...)
    {
        g_dispatchErrorHook("unknown exception");
    }
    if (m_bDeclined)
        bHandled = false;
    m_pCurrentMessage = pOuter;
    m_bDeclined = bOuterDeclined;
    return bHandled;
}

bool CWnd::ProcessMessage(const CMessage& msg, LRESULT& result)
{
    for (const CMessageMap* pMap = &GetMessageMap(); pMap != nullptr; pMap = pMap->pBase)
    {
        for (std::size_t i = 0; i < pMap->nEntries; ++i)
        {
            const CMessageEntry& entry = pMap->pEntries[i];
            if (entry.Matches(msg))
            {
                result = entry.thunk(*this, msg);
                return true;
            }
        }
    }
    HWND hFrom = nullptr;
    if (msg.message == WM_NOTIFY)
        hFrom = msg.Header()->hwndFrom;
    else if (msg.message == WM_COMMAND)
        hFrom = msg.Control();
    CWnd* child = FromHandle(hFrom);
    if (child == nullptr || child == this)
        return false;
    const CMessage reflected{WM_REFLECT_BASE + msg.message, msg.wParam, msg.lParam};
    return child->DispatchGuarded(reflected, result);
}

LRESULT CWnd::DefaultProc(const CMessage& msg)
{
    if (m_bSubclassed)
        return ::DefSubclassProc(m_hWnd, msg.message, msg.wParam, msg.lParam);
    return ::DefWindowProcA(m_hWnd, msg.message, msg.wParam, msg.lParam);
}

bool CWnd::PreTranslateMessage(MSG&)
{
    return false;
}

LRESULT CWnd::Default()
{
    return m_pCurrentMessage != nullptr ? DefaultProc(*m_pCurrentMessage) : 0;
}

std::string CWnd::GetText(HWND hWnd)
{
    std::string strText(static_cast<size_t>(::GetWindowTextLengthA(hWnd)) + 1, '\0');
    strText.resize(
        static_cast<size_t>(::GetWindowTextA(hWnd, strText.data(), static_cast<int>(strText.size()))));
    return strText;
}

int CWnd::MessageBoxFromTable(HWND hOwner, UINT idText, UINT uType)
{
    HWND hTop = hOwner != nullptr ? ::GetAncestor(hOwner, GA_ROOTOWNER) : nullptr;
    return ::MessageBoxA(hOwner, LoadResourceString(idText).c_str(),
                         GetText(hTop != nullptr ? hTop : hOwner).c_str(), uType);
}
