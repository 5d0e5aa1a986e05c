// Message tables of the probe windows.
#include "probe_windows.h"

#include <commctrl.h>

const TMessageEntry<CProbeDlg> CProbeDlg::s_messageMap[] = {
    OnCommandRange(300, 310, &CProbeDlg::OnRange),    OnNotify(NM_CLICK, IDC_PROBE_EDIT, &CProbeDlg::OnClick),
    OnMessage(WM_PROBE_RESULT, &CProbeDlg::OnResult), OnMessage(WM_PROBE_BASE_ONLY, &CProbeDlg::OnBaseOnly),
    OnMessage(WM_PROBE_THROW, &CProbeDlg::OnThrow),
};

bool CProbeDlg::ProcessMessage(CMessage& msg, LRESULT& result)
{
    return DispatchTable(this, s_messageMap, msg, result) || CDialog::ProcessMessage(msg, result);
}

const TMessageEntry<CDerivedProbeDlg> CDerivedProbeDlg::s_messageMap[] = {
    OnCommand(305, &CDerivedProbeDlg::OnDerivedCommand),
    OnCommand(400, &CDerivedProbeDlg::OnDerivedCommand),
};

bool CDerivedProbeDlg::ProcessMessage(CMessage& msg, LRESULT& result)
{
    return DispatchTable(this, s_messageMap, msg, result) || CProbeDlg::ProcessMessage(msg, result);
}

const TMessageEntry<CProbeEdit> CProbeEdit::s_messageMap[] = {
    OnNotifyReflect(NM_CUSTOMDRAW, &CProbeEdit::OnCustomDraw),
    OnMessage(WM_CHAR, &CProbeEdit::OnChar),
};

bool CProbeEdit::ProcessMessage(CMessage& msg, LRESULT& result)
{
    return DispatchTable(this, s_messageMap, msg, result) || CWnd::ProcessMessage(msg, result);
}
