// The calculation tools window over the main window, reached through its pages' controls.
#pragma once

#include "main_dlg_fixture.h"

#include <string>

class ToolsTest : public MainDlgTest
{
protected:
    CCalcToolsDlg& Tools() { return m_dlg->GetCalcTools(); }
    HWND ToolsWnd() { return Tools().GetSafeHwnd(); }
    // The page showing, and its control.
    HWND PageItem(int id)
    {
        HWND hPage = ::FindWindowExA(ToolsWnd(), nullptr, nullptr, nullptr);
        for (; hPage != nullptr; hPage = ::GetWindow(hPage, GW_HWNDNEXT))
        {
            if (HWND hItem = ::GetDlgItem(hPage, id))
                return hItem;
        }
        return nullptr;
    }
    std::string PageText(int id) { return WindowText(PageItem(id)); }
    void Type(int id, const char* text) { ::SetWindowTextA(PageItem(id), text); }
    void Click(int id)
    {
        ::SendMessageA(::GetParent(PageItem(id)), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(PageItem(id)));
    }
    void Choose(int id, int index)
    {
        ::SendMessageA(PageItem(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        ::SendMessageA(::GetParent(PageItem(id)), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(PageItem(id)));
    }
    // The page's owner-drawn control painted into hDC, asked of the page as the control asks it.
    void DrawItem(int id, HDC hDC)
    {
        const HWND hItem = PageItem(id);
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_STATIC;
        item.CtlID = static_cast<UINT>(id);
        item.hwndItem = hItem;
        item.hDC = hDC;
        ::GetClientRect(hItem, &item.rcItem);
        ::SendMessageA(::GetParent(hItem), WM_DRAWITEM, static_cast<WPARAM>(id),
                       reinterpret_cast<LPARAM>(&item));
    }
    int ListCount(int id) { return static_cast<int>(::SendMessageA(PageItem(id), LB_GETCOUNT, 0, 0)); }
    std::string ListLine(int id, int index)
    {
        char text[512] = {};
        ::SendMessageA(PageItem(id), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        return text;
    }
};
