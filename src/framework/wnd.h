// Window base class: binds one C++ object to one HWND and dispatches its messages through the
// chain of static message tables of its class and its base classes.
#pragma once

#include "framework/message_map.h"

#include <windows.h>

#include <string>

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

    std::string GetWindowText() const { return GetText(m_hWnd); }
    std::string GetDlgItemText(int id) const { return GetText(GetDlgItem(id)); }
    // An edit raises EN_CHANGE before this returns, even when the text does not change.
    void SetDlgItemText(int id, const std::string& strText) const
    {
        ::SetDlgItemTextA(m_hWnd, id, strText.c_str());
    }
    void ShowDlgItem(int id, bool bShow) const { ::ShowWindow(GetDlgItem(id), bShow ? SW_SHOW : SW_HIDE); }
    void SetIcon(HICON hIcon, bool bBig) const
    {
        ::SendMessageA(m_hWnd, WM_SETICON, bBig ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
    }
    // The string-table text idText, titled with the caption of the window's top owner: the
    // program's name, also for a box raised from a property page or a dialog it owns.
    int MessageBoxFromTable(UINT idText, UINT uType) const
    {
        return MessageBoxFromTable(m_hWnd, idText, uType);
    }
    static int MessageBoxFromTable(HWND hOwner, UINT idText, UINT uType);

    static std::string GetText(HWND hWnd);

    // A message on its way to this window or one of its children, seen by a modal dialog's loop
    // before the dialog manager; true when it was used up here (an accelerator, for one).
    virtual bool PreTranslateMessage(MSG& msg);

protected:
    // The class's table; each class that has one overrides this, and its table names its base's.
    virtual const CMessageMap& GetMessageMap() const { return s_messageMap; }
    // What the window would have done without this object.
    virtual LRESULT DefaultProc(const CMessage& msg);
    // The default processing of the message being handled, for handlers that add to it. A dialog
    // has none to call: there it declines the message.
    LRESULT Default();
    // The message being handled goes on, once its handler returns, to the default processing (a
    // control's own procedure, the dialog manager) as if no table had taken it.
    void DeclineMessage() { m_bDeclined = true; }
    // Runs the tables without letting an exception reach the system; true when handled.
    bool DispatchGuarded(const CMessage& msg, LRESULT& result);

    void Bind(HWND hWnd);
    void Unbind();

    static const CMessageMap s_messageMap;
    HWND m_hWnd = nullptr;

private:
    // The tables, then the sending control's own object for WM_NOTIFY and control WM_COMMAND.
    bool ProcessMessage(const CMessage& msg, LRESULT& result);
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR idSubclass, DWORD_PTR refData);
    bool m_bSubclassed = false;
    const CMessage* m_pCurrentMessage = nullptr;
    bool m_bDeclined = false;
};

// Errors that reach the dispatch boundary are reported here; tests install their own hook.
using DispatchErrorHook = void (*)(const char* what);
DispatchErrorHook SetDispatchErrorHook(DispatchErrorHook hook);
