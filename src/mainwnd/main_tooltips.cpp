// Tooltips of the main window's controls: colour names for the selectors, help texts for the
// value box and lists. The text is handed over by pointer, so long texts are shown whole.
#include "mainwnd/main_dlg.h"

#include "framework/resource_module.h"
#include "framework/wide_text.h"
#include "mainwnd/ring_position_tip.h"
#include "res/resource.h"

#include <commctrl.h>

namespace
{
struct ToolTipText
{
    int id;
    UINT textId;
};

const ToolTipText kHelpTexts[] = {
    {IDC_VALUE, IDS_TIP_VALUE},
    {IDC_UNIT, IDS_TIP_UNIT},
    {IDC_TOLERANCE, IDS_TIP_TOLERANCE},
    {IDC_TEMPCO, IDS_TIP_TEMPCO},
};

constexpr int kToolIds[] = {IDC_BANDE1, IDC_BANDE2, IDC_BANDE3, IDC_BANDE4,    IDC_BANDE5,
                            IDC_BANDE6, IDC_VALUE,  IDC_UNIT,   IDC_TOLERANCE, IDC_TEMPCO};
} // namespace

// The tooltip is owned by the dialog: the system destroys it with the dialog.
void CMainDlg::EnableToolTips()
{
    m_hToolTip = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
    if (m_hToolTip == nullptr)
        return;
    for (int id : kToolIds)
    {
        TTTOOLINFOA ti{};
        ti.cbSize = sizeof ti;
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = m_hWnd;
        ti.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(id));
        ti.lpszText = LPSTR_TEXTCALLBACKA;
        ::SendMessageA(m_hToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

void CMainDlg::LoadToolTipText(UINT_PTR idFrom, UINT uFlags)
{
    const int id = (uFlags & TTF_IDISHWND) != 0 ? ::GetDlgCtrlID(reinterpret_cast<HWND>(idFrom))
                                                : static_cast<int>(idFrom);
    m_strToolTip.clear();
    if (id >= IDC_BANDE1 && id <= IDC_BANDE6)
    {
        const int slot = id - IDC_BANDE1;
        m_strToolTip = RingColourText(slot, m_state.rings.positions[static_cast<size_t>(slot)]);
    }
    for (const ToolTipText& tip : kHelpTexts)
    {
        if (tip.id == id)
            m_strToolTip = LoadResourceString(tip.textId);
    }
}

void CMainDlg::OnToolTipTextA(NMTTDISPINFOA& info)
{
    LoadToolTipText(info.hdr.idFrom, info.uFlags);
    info.lpszText = m_strToolTip.data();
}

void CMainDlg::OnToolTipTextW(NMTTDISPINFOW& info)
{
    LoadToolTipText(info.hdr.idFrom, info.uFlags);
    m_wstrToolTip = WidenText(m_strToolTip).value_or(std::wstring());
    info.lpszText = m_wstrToolTip.data();
}
