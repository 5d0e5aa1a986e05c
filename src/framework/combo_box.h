// A drop-down list of a dialog, reached through its handle: texts added in order, one selected.
#pragma once

#include <windows.h>

#include <string>

class CComboBox
{
public:
    explicit CComboBox(HWND hWnd) : m_hWnd(hWnd) {}

    void AddString(const std::string& strText) const
    {
        ::SendMessageA(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(strText.c_str()));
    }
    // CB_ERR (-1) while nothing is selected.
    int GetCurSel() const { return static_cast<int>(::SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0)); }
    // Raises no CBN_SELCHANGE: the caller brings the rest in line itself.
    void SetCurSel(int nIndex) const { ::SendMessageA(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0); }

    HFONT GetFont() const { return reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0)); }
    // The list keeps using the font without owning it: it must outlive the control's use of it.
    void SetFont(HFONT hFont) const
    {
        ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
    }

private:
    HWND m_hWnd;
};
