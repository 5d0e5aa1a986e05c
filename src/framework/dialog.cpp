// Dialog procedure: `this` travels in the creation parameter and lives in DWLP_USER; the rules
// for returning a handled message's result are kept here, in one place.
#include "framework/dialog.h"

#include "framework/resource_module.h"

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
} // namespace

const CMessageEntry CDialog::s_messageEntries[] = {
    OnMessage<WM_INITDIALOG, &CDialog::OnInitDialogMessage>(),
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
    return ::DialogBoxParamA(GetResourceModuleFor(RT_DIALOG, m_nIDTemplate), MAKEINTRESOURCEA(m_nIDTemplate),
                             m_hParent, DialogProc, reinterpret_cast<LPARAM>(this));
}

bool CDialog::Create(HWND hParent)
{
    if (hParent != nullptr)
        m_hParent = hParent;
    m_bModal = false;
    return ::CreateDialogParamA(GetResourceModuleFor(RT_DIALOG, m_nIDTemplate),
                                MAKEINTRESOURCEA(m_nIDTemplate), m_hParent, DialogProc,
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

LRESULT CDialog::DefaultProc(const CMessage&)
{
    // The dialog manager's own processing runs when the procedure answers FALSE.
    return 0;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* self = nullptr;
    if (message == WM_INITDIALOG)
    {
        self = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
        self->Bind(hWnd);
    }
    else
    {
        self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    }
    if (self == nullptr)
        return FALSE;

    const CMessage msg{message, wParam, lParam};
    LRESULT result = 0;
    const bool handled = self->DispatchGuarded(msg, result);
    if (message == WM_NCDESTROY)
    {
        ::SetWindowLongPtrA(hWnd, DWLP_USER, 0);
        self->Unbind();
    }
    if (!handled)
        return FALSE;
    if (ReturnsResultDirectly(message))
        return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}
