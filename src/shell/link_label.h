// A static label drawn by itself: its own colour, a bold or underlined font, and as a link it
// opens its address (or mails its text) on a click, or tells its parent.
#pragma once

#include "framework/handles.h"
#include "framework/wnd.h"

#include <string>

// Sent to the parent in WM_NOTIFY when a label in notify mode is clicked.
constexpr UINT LLN_CLICKED = 0x8200;

enum : int
{
    LINK_NONE = 0,
    LINK_WEB = 1,
    LINK_MAIL = 2,
};

// The DrawText format of a label's text, from the static control's alignment style.
UINT LinkLabelTextFormat(DWORD dwStyle, const std::string& strText);

class CLinkLabel : public CWnd
{
public:
    CLinkLabel();

    // Each change redraws the label.
    void SetTextColor(COLORREF crText);
    void SetFontBold(bool bBold);
    void SetFontUnderline(bool bUnderline);
    // On: a link (a web link unless told otherwise), with the static's notify style; notify: a
    // click goes to the parent only.
    void SetLink(bool bOn, bool bNotify, int nMode = LINK_WEB);
    void SetLinkCursor(HCURSOR hCursor);
    // Empty: the label's own text is the address.
    void SetLinkAddress(const std::string& strAddress);

    COLORREF GetTextColor() const { return m_crText; }
    HFONT GetLabelFont() const { return m_font.get(); }

protected:
    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    static const CMessageMap s_messageMap;

private:
    void OnPaint();
    BOOL OnEraseBkgnd(HDC) { return TRUE; }
    void OnLButtonDown(UINT nFlags, POINT pt);
    BOOL OnSetCursor(HWND hWnd, UINT nHitTest, UINT message);
    void OnSysColorChange();
    void RebuildFont();
    void Redraw() const;

    COLORREF m_crText;
    CBrushHandle m_background;
    CFontHandle m_font;
    bool m_bBold = false;
    bool m_bUnderline = false;
    int m_nLinkMode = LINK_NONE;
    bool m_bNotify = false;
    std::string m_strLink;
    HCURSOR m_hLinkCursor = nullptr;

    static const CMessageEntry s_messageEntries[];
};
