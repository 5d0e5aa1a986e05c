// A child control that code creates and its object owns: deleting the object destroys the window.
#pragma once

#include "framework/wnd.h"

class CChildWnd : public CWnd
{
public:
    CChildWnd() = default;
    ~CChildWnd() override;

    // Creates the window and attaches this object to it; false when the system refused.
    bool CreateEx(DWORD dwExStyle, const char* pszClassName, DWORD dwStyle, HWND hParent, UINT nID);
};
