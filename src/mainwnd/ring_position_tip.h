// The tooltip a ring selector shows beside its thumb while it is dragged. The trackbar writes its
// raw position there ("6" on a green digit ring, whose digit is 5); the tip shows the colour name
// of that position instead, the text of the window's own tooltip for the selector.
#pragma once

#include "framework/wnd.h"

#include <string>

// The colour name of a selector's position, as its tooltips show it; empty for a position with
// no colour.
std::string RingColourText(int nSlot, int nPosition);

class CRingPositionTip : public CWnd
{
public:
    // Takes over the tooltip of the trackbar hBar, which selects ring nSlot; false when the
    // trackbar has none.
    bool Attach(HWND hBar, int nSlot);

protected:
    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    static const CMessageMap s_messageMap;

private:
    LRESULT OnUpdateTipTextA(WPARAM wParam, LPARAM lParam);
    LRESULT OnUpdateTipTextW(WPARAM wParam, LPARAM lParam);
    // The colour name of the position that the trackbar wrote; false when the text is no position.
    bool LoadColourName(long nPosition);

    int m_nSlot = 0;
    std::string m_strText;
    std::wstring m_wstrText;

    static const CMessageEntry s_messageEntries[];
};
