// Window classes that record what their message tables deliver.
#pragma once

#include "framework/dialog.h"

#include <commctrl.h>
#include "test_ids.h"

#include <stdexcept>
#include <string>
#include <vector>

constexpr UINT WM_PROBE_RESULT = WM_APP + 1;
constexpr UINT WM_PROBE_BASE_ONLY = WM_APP + 2;
constexpr UINT WM_PROBE_THROW = WM_APP + 3;

class CProbeDlg : public CDialog
{
public:
    CProbeDlg() : CDialog(IDD_PROBE) {}

    std::vector<UINT> m_commands;
    std::vector<UINT> m_clicks;
    int m_nBaseOnly = 0;
    int m_nInit = 0;

protected:
    BOOL OnInitDialog() override
    {
        ++m_nInit;
        return TRUE;
    }
    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    static const CMessageMap s_messageMap;

    void OnRange(UINT id) { m_commands.push_back(id); }
    LRESULT OnClick(NMHDR& hdr)
    {
        m_clicks.push_back(static_cast<UINT>(hdr.idFrom));
        return 0;
    }
    LRESULT OnResult(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam) * 2; }
    void OnBaseOnly() { ++m_nBaseOnly; }
    void OnThrow() { throw std::runtime_error("probe failure"); }

private:
    static const CMessageEntry s_messageEntries[];
};

// Overrides one of the base's bindings and adds its own; the rest must still reach the base.
class CDerivedProbeDlg : public CProbeDlg
{
public:
    std::vector<UINT> m_derivedCommands;

protected:
    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    static const CMessageMap s_messageMap;

    void OnDerivedCommand(UINT id) { m_derivedCommands.push_back(id); }

private:
    static const CMessageEntry s_messageEntries[];
};

// A control attached by subclassing, handling its own custom-draw notification.
class CProbeEdit : public CWnd
{
public:
    int m_nCustomDraw = 0;
    std::vector<UINT> m_chars;

protected:
    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    static const CMessageMap s_messageMap;

    LRESULT OnCustomDraw(NMCUSTOMDRAW&)
    {
        ++m_nCustomDraw;
        return CDRF_NOTIFYITEMDRAW;
    }
    LRESULT OnChar(UINT nChar)
    {
        m_chars.push_back(nChar);
        return Default();
    }

private:
    static const CMessageEntry s_messageEntries[];
};

// Records, as one line of text each, the arguments that its typed handlers receive.
class CArgumentProbe : public CWnd
{
public:
    std::vector<std::string> m_calls;

protected:
    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    static const CMessageMap s_messageMap;

    void OnHScroll(UINT nCode, UINT nPos, HWND hScrollBar);
    void OnMouseMove(UINT nFlags, POINT pt);
    BOOL OnSetCursor(HWND hWnd, UINT nHitTest, UINT message);
    BOOL OnEraseBkgnd(HDC hDC);
    void OnControl(UINT id, HWND hControl);
    void OnCommandIds(UINT id);
    LRESULT OnAnyClick(NMHDR& hdr);
    // Asks the window something of its own (handled by default) before the key's default.
    LRESULT OnChar(UINT nChar);

private:
    static const CMessageEntry s_messageEntries[];
};
