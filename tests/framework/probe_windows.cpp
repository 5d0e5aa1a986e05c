// Message tables of the probe windows.
#include "probe_windows.h"

#include <commctrl.h>

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
