// Message tables of the probe windows.
#include "probe_windows.h"

#include <commctrl.h>

#include <string>

namespace
{
std::string Number(const void* p)
{
    return std::to_string(reinterpret_cast<UINT_PTR>(p));
}
} // namespace

const CMessageEntry CProbeDlg::s_messageEntries[] = {
    OnCommandRange<&CProbeDlg::OnRange>(300, 310),
    OnNotify<&CProbeDlg::OnClick>(NM_CLICK, IDC_PROBE_EDIT),
    OnMessage<WM_PROBE_RESULT, &CProbeDlg::OnResult>(),
    OnMessage<WM_PROBE_BASE_ONLY, &CProbeDlg::OnBaseOnly>(),
    OnMessage<WM_PROBE_THROW, &CProbeDlg::OnThrow>(),
};
const CMessageMap CProbeDlg::s_messageMap{CDialog::s_messageMap, s_messageEntries};

const CMessageEntry CDerivedProbeDlg::s_messageEntries[] = {
    OnCommand<&CDerivedProbeDlg::OnDerivedCommand>(305),
    OnCommand<&CDerivedProbeDlg::OnDerivedCommand>(400),
};
const CMessageMap CDerivedProbeDlg::s_messageMap{CProbeDlg::s_messageMap, s_messageEntries};

const CMessageEntry CProbeEdit::s_messageEntries[] = {
    OnNotifyReflect<&CProbeEdit::OnCustomDraw>(NM_CUSTOMDRAW),
    OnMessage<WM_CHAR, &CProbeEdit::OnChar>(),
};
const CMessageMap CProbeEdit::s_messageMap{CWnd::s_messageMap, s_messageEntries};

const CMessageEntry CArgumentProbe::s_messageEntries[] = {
    OnMessage<WM_HSCROLL, &CArgumentProbe::OnHScroll>(),
    OnMessage<WM_MOUSEMOVE, &CArgumentProbe::OnMouseMove>(),
    OnMessage<WM_SETCURSOR, &CArgumentProbe::OnSetCursor>(),
    OnMessage<WM_ERASEBKGND, &CArgumentProbe::OnEraseBkgnd>(),
    OnControlRange<&CArgumentProbe::OnControl>(EN_CHANGE, 10, 12),
    OnCommandRange<&CArgumentProbe::OnCommandIds>(20, 22),
    OnNotifyCode<&CArgumentProbe::OnAnyClick>(NM_CLICK),
    OnMessage<WM_CHAR, &CArgumentProbe::OnChar>(),
};
const CMessageMap CArgumentProbe::s_messageMap{CWnd::s_messageMap, s_messageEntries};

void CArgumentProbe::OnHScroll(UINT nCode, UINT nPos, HWND hScrollBar)
{
    m_calls.push_back("scroll " + std::to_string(nCode) + " " + std::to_string(nPos) + " " +
                      Number(hScrollBar));
}

void CArgumentProbe::OnMouseMove(UINT nFlags, POINT pt)
{
    m_calls.push_back("move " + std::to_string(nFlags) + " " + std::to_string(pt.x) + " " +
                      std::to_string(pt.y));
}

BOOL CArgumentProbe::OnSetCursor(HWND hWnd, UINT nHitTest, UINT message)
{
    m_calls.push_back("cursor " + Number(hWnd) + " " + std::to_string(nHitTest) + " " +
                      std::to_string(message));
    return TRUE;
}

BOOL CArgumentProbe::OnEraseBkgnd(HDC hDC)
{
    m_calls.push_back("erase " + Number(hDC));
    return TRUE;
}

void CArgumentProbe::OnControl(UINT id, HWND hControl)
{
    m_calls.push_back("control " + std::to_string(id) + " " + Number(hControl));
}

void CArgumentProbe::OnCommandIds(UINT id)
{
    m_calls.push_back("command " + std::to_string(id));
}

LRESULT CArgumentProbe::OnAnyClick(NMHDR& hdr)
{
    m_calls.push_back("click " + std::to_string(hdr.idFrom));
    return 7;
}

LRESULT CArgumentProbe::OnChar(UINT nChar)
{
    m_calls.push_back("char " + std::to_string(nChar) + " after " +
                      std::to_string(::SendMessageA(m_hWnd, WM_GETTEXTLENGTH, 0, 0)));
    return Default();
}
