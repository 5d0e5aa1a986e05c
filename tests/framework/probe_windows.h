// Window classes that record what their message tables deliver.
#pragma once

#include "framework/dialog.h"

#include <commctrl.h>
#include "test_ids.h"

#include <stdexcept>
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
    bool ProcessMessage(CMessage& msg, LRESULT& result) override;

    LRESULT OnRange(CMessage& msg)
    {
        m_commands.push_back(msg.Id());
        return 0;
    }
    LRESULT OnClick(CMessage& msg)
    {
        m_clicks.push_back(msg.Id());
        return 0;
    }
    LRESULT OnResult(CMessage& msg) { return static_cast<LRESULT>(msg.wParam) * 2; }
    LRESULT OnBaseOnly(CMessage&)
    {
        ++m_nBaseOnly;
        return 0;
    }
    LRESULT OnThrow(CMessage&) { throw std::runtime_error("probe failure"); }

private:
    static const TMessageEntry<CProbeDlg> s_messageMap[];
};

// Overrides one of the base's bindings and adds its own; the rest must still reach the base.
class CDerivedProbeDlg : public CProbeDlg
{
public:
    std::vector<UINT> m_derivedCommands;

protected:
    bool ProcessMessage(CMessage& msg, LRESULT& result) override;
    LRESULT OnDerivedCommand(CMessage& msg)
    {
        m_derivedCommands.push_back(msg.Id());
        return 0;
    }

private:
    static const TMessageEntry<CDerivedProbeDlg> s_messageMap[];
};

// A control attached by subclassing, handling its own custom-draw notification.
class CProbeEdit : public CWnd
{
public:
    int m_nCustomDraw = 0;
    std::vector<UINT> m_chars;

protected:
    bool ProcessMessage(CMessage& msg, LRESULT& result) override;
    LRESULT OnCustomDraw(CMessage&)
    {
        ++m_nCustomDraw;
        return CDRF_NOTIFYITEMDRAW;
    }
    LRESULT OnChar(CMessage& msg)
    {
        m_chars.push_back(static_cast<UINT>(msg.wParam));
        return DefaultProc(msg);
    }

private:
    static const TMessageEntry<CProbeEdit> s_messageMap[];
};
