// The side bar: a task pane of collapsible groups of rows, attached to dialog control 1047.
#pragma once

#include "framework/wnd.h"

constexpr const char* kSideBarClassName = "WndDirectUI";

class CSideBar : public CWnd
{
public:
    // The first side bar registers the window class, before any template that contains one.
    CSideBar();
};
