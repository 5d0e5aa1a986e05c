// Window base class: binds one C++ object to one HWND and dispatches its messages through the
// class's static message table.
#pragma once

#include "framework/message_map.h"

#include <windows.h>

class CWnd
{
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND GetSafeHwnd() const { return m_hWnd; }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }

    // Attaches this object to an existing window (a dialog item, a created control) by
    // subclassing it; it is unhooked again at WM_NCDESTROY or by UnsubclassWindow.
    bool SubclassWindow(HWND hWnd);
    bool SubclassDlgItem(int id, HWND hParent) { return SubclassWindow(::GetDlgItem(hParent, id)); }
    void UnsubclassWindow();

    // The object bound to a window by this layer, or null.
    static CWnd* FromHandle(HWND hWnd);

protected:
    // Returns true when the message was handled, with its result. The base class hands
    // WM_NOTIFY and control WM_COMMAND messages back to the sending control's own object.
    virtual bool ProcessMessage(CMessage& msg, LRESULT& result);
    // What the window would have done without this object.
    virtual LRESULT DefaultProc(const CMessage& msg);
    // Runs ProcessMessage without letting an exception reach the system.
    bool DispatchGuarded(CMessage& msg, LRESULT& result);

    void Bind(HWND hWnd);
    void Unbind();

    HWND m_hWnd = nullptr;

private:
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR idSubclass, DWORD_PTR refData);
    bool m_bSubclassed = false;
};

// Errors that reach the dispatch boundary are reported here; tests install their own hook.
using DispatchErrorHook = void (*)(const char* what);
DispatchErrorHook SetDispatchErrorHook(DispatchErrorHook hook);
