// The self-drawn label of the About dialog: painted off screen in one copy.
#include "shell/link_label.h"

#include "framework/offscreen_dc.h"
#include "framework/scopes.h"
#include "shell/external_tools.h"

const CMessageEntry CLinkLabel::s_messageEntries[] = {
    OnMessage<WM_PAINT, &CLinkLabel::OnPaint>(),
    OnMessage<WM_ERASEBKGND, &CLinkLabel::OnEraseBkgnd>(),
    OnMessage<WM_LBUTTONDOWN, &CLinkLabel::OnLButtonDown>(),
    OnMessage<WM_SETCURSOR, &CLinkLabel::OnSetCursor>(),
    OnMessage<WM_SYSCOLORCHANGE, &CLinkLabel::OnSysColorChange>(),
};
const CMessageMap CLinkLabel::s_messageMap{CWnd::s_messageMap, s_messageEntries};

UINT LinkLabelTextFormat(DWORD dwStyle, const std::string& strText)
{
    UINT uFormat = 0;
    switch (dwStyle & SS_TYPEMASK)
    {
    case SS_CENTER:
        uFormat = DT_CENTER | DT_WORDBREAK;
        break;
    case SS_RIGHT:
        uFormat = DT_RIGHT | DT_WORDBREAK;
        break;
    case SS_LEFTNOWORDWRAP:
        uFormat = 0;
        break;
    default:
        uFormat = DT_LEFT | DT_WORDBREAK;
        break;
    }
    if (strText.find('\t') != std::string::npos)
        uFormat |= DT_EXPANDTABS;
    if ((dwStyle & SS_CENTERIMAGE) != 0)
        uFormat =
            strText.find("\r\n") == std::string::npos ? DT_CENTER | DT_VCENTER | DT_SINGLELINE : DT_CENTER;
    return uFormat;
}

CLinkLabel::CLinkLabel()
    : m_crText(::GetSysColor(COLOR_WINDOWTEXT)),
      m_background(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE)))
{
}

void CLinkLabel::Redraw() const
{
    if (m_hWnd != nullptr)
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

// From the control's own font, or the system font when it has none.
void CLinkLabel::RebuildFont()
{
    LOGFONTA lf{};
    const auto hOwn =
        m_hWnd != nullptr ? reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0)) : nullptr;
    ::GetObjectA(hOwn != nullptr ? static_cast<HGDIOBJ>(hOwn) : ::GetStockObject(SYSTEM_FONT), sizeof lf,
                 &lf);
    lf.lfWeight = m_bBold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = m_bUnderline ? TRUE : FALSE;
    m_font.reset(::CreateFontIndirectA(&lf));
    Redraw();
}

void CLinkLabel::SetTextColor(COLORREF crText)
{
    m_crText = crText;
    Redraw();
}

void CLinkLabel::SetFontBold(bool bBold)
{
    m_bBold = bBold;
    RebuildFont();
}

void CLinkLabel::SetFontUnderline(bool bUnderline)
{
    m_bUnderline = bUnderline;
    RebuildFont();
}

void CLinkLabel::SetLink(bool bOn, bool bNotify, int nMode)
{
    m_nLinkMode = bOn ? nMode : LINK_NONE;
    m_bNotify = bNotify;
    const LONG style = ::GetWindowLongA(m_hWnd, GWL_STYLE);
    ::SetWindowLongA(m_hWnd, GWL_STYLE, bOn ? style | SS_NOTIFY : style & ~static_cast<LONG>(SS_NOTIFY));
    Redraw();
}

void CLinkLabel::SetLinkCursor(HCURSOR hCursor)
{
    m_hLinkCursor = hCursor;
    Redraw();
}

void CLinkLabel::SetLinkAddress(const std::string& strAddress)
{
    m_strLink = strAddress;
    Redraw();
}

void CLinkLabel::OnPaint()
{
    CPaintDC dc(m_hWnd);
    RECT rc{};
    ::GetClientRect(m_hWnd, &rc);
    const COffscreenDC buffer(dc.get());
    if (!m_font)
        RebuildFont();
    CSelectObject selectFont(buffer.get(), m_font.get());
    ::FillRect(buffer.get(), &rc, m_background.get());
    const std::string strText = GetWindowText();
    ::SetBkMode(buffer.get(), TRANSPARENT);
    ::SetTextColor(buffer.get(), m_crText);
    ::DrawTextA(buffer.get(), strText.c_str(), static_cast<int>(strText.size()), &rc,
                LinkLabelTextFormat(static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)), strText));
}

// The static's own handling follows in every case: with the notify style it sends the parent
// the click command.
void CLinkLabel::OnLButtonDown(UINT, POINT)
{
    if (m_bNotify)
    {
        NMHDR hdr{m_hWnd, static_cast<UINT_PTR>(::GetDlgCtrlID(m_hWnd)), LLN_CLICKED};
        ::SendMessageA(::GetParent(m_hWnd), WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
    }
    else if (m_nLinkMode == LINK_WEB)
    {
        ShellOpenAddress(m_hWnd, m_strLink.empty() ? GetWindowText() : m_strLink);
    }
    else if (m_nLinkMode == LINK_MAIL)
    {
        ShellOpenAddress(m_hWnd, "mailto:" + GetWindowText());
    }
    DeclineMessage();
}

BOOL CLinkLabel::OnSetCursor(HWND, UINT, UINT)
{
    if (m_hLinkCursor == nullptr)
    {
        DeclineMessage();
        return FALSE;
    }
    ::SetCursor(m_hLinkCursor);
    return TRUE;
}

void CLinkLabel::OnSysColorChange()
{
    m_background.reset(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE)));
    Redraw();
}
