// Puts a top-level window into the topmost band or takes it out.
#pragma once

#include <windows.h>

bool SetWindowTopmost(HWND hWnd, bool bTopmost);
