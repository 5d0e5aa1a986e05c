// Window opacity through the layered-window function, looked up at run time so that the
// program still starts on a system that lacks it.
#pragma once

#include "framework/handles.h"

class CLayeredWindow
{
public:
    CLayeredWindow();
    CLayeredWindow(const CLayeredWindow&) = delete;
    CLayeredWindow& operator=(const CLayeredWindow&) = delete;

    // Adds WS_EX_LAYERED to the window's extended style and keeps every other bit.
    static void MakeLayered(HWND hWnd);
    // Without the user library there is nothing to call and the call counts as done; a
    // library without the function fails.
    BOOL SetLayeredAttributes(HWND hWnd, COLORREF crKey, BYTE bAlpha, DWORD dwFlags) const;
    // Opacity in percent, 100 and above fully opaque.
    BOOL SetOpacity(HWND hWnd, BYTE nPercent) const;

private:
    CModuleHandle m_hUser32;
};
