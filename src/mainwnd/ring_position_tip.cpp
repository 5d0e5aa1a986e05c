// The position is taken from the text the trackbar writes, not from the control: the tip is
// updated while the thumb moves, before or after the window hears of the move.
#include "mainwnd/ring_position_tip.h"

#include "framework/resource_module.h"
#include "framework/wide_text.h"
#include "model/ring_colours.h"

#include <commctrl.h>

#include <cstdlib>
#include <utility>

const CMessageEntry CRingPositionTip::s_messageEntries[] = {
    OnMessage<TTM_UPDATETIPTEXTA, &CRingPositionTip::OnUpdateTipTextA>(),
    OnMessage<TTM_UPDATETIPTEXTW, &CRingPositionTip::OnUpdateTipTextW>(),
};
const CMessageMap CRingPositionTip::s_messageMap{CWnd::s_messageMap, s_messageEntries};

bool CRingPositionTip::Attach(HWND hBar, int nSlot)
{
    m_nSlot = nSlot;
    HWND hTip = reinterpret_cast<HWND>(::SendMessageA(hBar, TBM_GETTOOLTIPS, 0, 0));
    return hTip != nullptr && SubclassWindow(hTip);
}

std::string RingColourText(int nSlot, int nPosition)
{
    const auto nameId = RingColourName(nSlot, nPosition);
    return nameId ? LoadResourceString(static_cast<UINT>(*nameId)) : std::string();
}

bool CRingPositionTip::LoadColourName(long nPosition)
{
    m_strText = RingColourText(m_nSlot, static_cast<int>(nPosition));
    return !m_strText.empty();
}

// The tool's text pointer is the trackbar's; it is lent the name for the call and given back.
LRESULT CRingPositionTip::OnUpdateTipTextA(WPARAM, LPARAM lParam)
{
    auto* pInfo = reinterpret_cast<TTTOOLINFOA*>(lParam);
    if (pInfo == nullptr || pInfo->lpszText == nullptr || pInfo->lpszText == LPSTR_TEXTCALLBACKA ||
        !LoadColourName(std::strtol(pInfo->lpszText, nullptr, 10)))
        return Default();
    char* pszOwn = std::exchange(pInfo->lpszText, m_strText.data());
    const LRESULT result = Default();
    pInfo->lpszText = pszOwn;
    return result;
}

LRESULT CRingPositionTip::OnUpdateTipTextW(WPARAM, LPARAM lParam)
{
    auto* pInfo = reinterpret_cast<TTTOOLINFOW*>(lParam);
    if (pInfo == nullptr || pInfo->lpszText == nullptr || pInfo->lpszText == LPSTR_TEXTCALLBACKW ||
        !LoadColourName(std::wcstol(pInfo->lpszText, nullptr, 10)))
        return Default();
    m_wstrText = WidenText(m_strText).value_or(std::wstring());
    wchar_t* pszOwn = std::exchange(pInfo->lpszText, m_wstrText.data());
    const LRESULT result = Default();
    pInfo->lpszText = pszOwn;
    return result;
}
