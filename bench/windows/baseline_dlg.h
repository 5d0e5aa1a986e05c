// The baseline the main window is measured against: a plain dialog procedure on a template with
// the same kinds and number of controls, doing the same kind of work per gesture with no
// framework, no state model and no drawing buffers.
#pragma once

#include <windows.h>

// Registers the panel class of the templates; false when it cannot be.
bool RegisterBaselineClasses(HINSTANCE hInstance);

// Modeless, to be destroyed with DestroyWindow; null when it cannot be created.
HWND CreateBaselineDialog(UINT idTemplate);
// Modal, to its end (IDCANCEL or WM_CLOSE).
INT_PTR RunBaselineDialog(UINT idTemplate);

// What the main window's ApplyInterface does, done the plain way: z-order, the panel's rows
// and edit fields built anew, selectors hidden while the window turns layered and repaints.
void ApplyBaselineLook(HWND hDlg);
