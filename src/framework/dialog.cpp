// Dialog procedure: `this` travels in the creation parameter and lives in DWLP_USER; the rules
// for returning a handled message's result are kept here, in one place.
#include "framework/dialog.h"

#include "framework/command_ids.h"
#include "framework/handles.h"
#include "framework/resource_module.h"
#include "framework/winapp.h"

namespace
{
// These messages return their result directly instead of through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message)
{
    switch (message)
    {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return true;
    default:
        return false;
    }
}
// Menu items and accelerators; control notifications carry their control's handle.
bool IsMenuOrAccelerator(const CMessage& msg)
{
    return msg.message == WM_COMMAND && HIWORD(msg.wParam) <= 1 && msg.lParam == 0;
}

// The loop of every modal dialog hands each message to this hook before the dialog manager
// sees it (IsDialogMessage asks with MSGF_DIALOGBOX), so the window the message is for can use
// it first. One hook serves nested dialogs; it goes with the last of them.
LRESULT CALLBACK PreTranslateHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_DIALOGBOX)
    {
        MSG& msg = *reinterpret_cast<MSG*>(lParam);
        CWnd* pTop = msg.hwnd != nullptr ? CWnd::FromHandle(::GetAncestor(msg.hwnd, GA_ROOT)) : nullptr;
        if (pTop != nullptr && pTop->PreTranslateMessage(msg))
            return TRUE;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

class CPreTranslateScope
{
public:
    CPreTranslateScope()
    {
        if (s_nDepth++ == 0)
            s_hook.reset(
                ::SetWindowsHookExA(WH_MSGFILTER, PreTranslateHook, nullptr, ::GetCurrentThreadId()));
    }
    ~CPreTranslateScope()
    {
        if (--s_nDepth == 0)
            s_hook.reset();
    }
    CPreTranslateScope(const CPreTranslateScope&) = delete;
    CPreTranslateScope& operator=(const CPreTranslateScope&) = delete;

private:
    static inline int s_nDepth = 0;
    static inline CHookHandle s_hook;
};
} // namespace

const CMessageEntry CDialog::s_messageEntries[] = {
    OnMessage<WM_INITDIALOG, &CDialog::OnInitDialogMessage>(),
    OnMessage<WM_HELP, &CDialog::OnHelpInfo>(),
    OnCommand<&CDialog::OnIdOK>(IDOK),
    OnCommand<&CDialog::OnIdCancel>(IDCANCEL),
};
const CMessageMap CDialog::s_messageMap{CWnd::s_messageMap, s_messageEntries};

CDialog::CDialog(UINT idTemplate, HWND hParent) : m_nIDTemplate(idTemplate), m_hParent(hParent) {}

CDialog::~CDialog()
{
    // Unhook first: the window must not call back into a half-destroyed object.
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr)
    {
        ::SetWindowLongPtrA(hWnd, DWLP_USER, 0);
        Unbind();
        if (!m_bModal)
            ::DestroyWindow(hWnd);
    }
}

INT_PTR CDialog::DoModal()
{
    m_bModal = true;
    CPreTranslateScope preTranslate;
    // -1, as DialogBoxParam answers for a template that cannot be found.
    const DLGTEMPLATE* pTemplate = LoadDialogTemplate(m_nIDTemplate);
    if (pTemplate == nullptr)
        return -1;
    return ::DialogBoxIndirectParamA(::GetModuleHandleA(nullptr), pTemplate, m_hParent, DialogProc,
                                     reinterpret_cast<LPARAM>(this));
}

bool CDialog::Create(HWND hParent)
{
    if (hParent != nullptr)
        m_hParent = hParent;
    m_bModal = false;
    const DLGTEMPLATE* pTemplate = LoadDialogTemplate(m_nIDTemplate);
    return pTemplate != nullptr &&
           ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr), pTemplate, m_hParent, DialogProc,
                                        reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::EndDialog(INT_PTR result)
{
    if (m_hWnd == nullptr)
        return;
    if (m_bModal)
        ::EndDialog(m_hWnd, result);
    else
        ::DestroyWindow(m_hWnd);
}

// F1 becomes the help command, which the application answers unless the dialog does.
BOOL CDialog::OnHelpInfo()
{
    ::SendMessageA(m_hWnd, WM_COMMAND, ID_HELP, 0);
    return TRUE;
}

LRESULT CDialog::DefaultProc(const CMessage&)
{
    // The dialog manager's own processing runs when the procedure answers FALSE, which it can
    // only do once the handler has returned.
    DeclineMessage();
    return 0;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        reinterpret_cast<CDialog*>(lParam)->Attach(hWnd);
    auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    return self != nullptr ? self->HandleMessage(hWnd, message, wParam, lParam) : FALSE;
}

void CDialog::Attach(HWND hWnd)
{
    ::SetWindowLongPtrA(hWnd, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
    Bind(hWnd);
}

INT_PTR CDialog::HandleMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const CMessage msg{message, wParam, lParam};
    LRESULT result = 0;
    bool handled = DispatchGuarded(msg, result);
    if (!handled && IsMenuOrAccelerator(msg) && CWinApp::GetApp() != nullptr)
        handled = CWinApp::GetApp()->OnCmdMsg(LOWORD(wParam));
    if (message == WM_NCDESTROY)
    {
        ::SetWindowLongPtrA(hWnd, DWLP_USER, 0);
        Unbind();
    }
    if (!handled)
        return FALSE;
    if (ReturnsResultDirectly(message))
        return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}
