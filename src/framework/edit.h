// A one-line edit box of a dialog, reached through its handle: where its caret stands.
#pragma once

#include <windows.h>

class CEdit
{
public:
    explicit CEdit(HWND hWnd) : m_hWnd(hWnd) {}

    // The end of the selection, where the caret stands after a keystroke.
    int GetCaret() const
    {
        DWORD nEnd = 0;
        ::SendMessageA(m_hWnd, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&nEnd));
        return static_cast<int>(nEnd);
    }
    void SetCaret(int nPos) const { ::SendMessageA(m_hWnd, EM_SETSEL, static_cast<WPARAM>(nPos), nPos); }

private:
    HWND m_hWnd;
};
