// The smallest dialog program: one template run modally until it is closed. The benchmark
// starts it the way it starts Vantrel.exe, to show what any dialog program costs to start here.
#include <windows.h>

#include "bench_ids.h"

namespace
{
INT_PTR CALLBACK MinimalDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    // WM_CLOSE arrives here as IDCANCEL, through the dialog manager.
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))
    {
        ::EndDialog(hDlg, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}
} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    // Closed or not, the program ends well; only a dialog that could not be shown is an error.
    return ::DialogBoxParamA(hInstance, MAKEINTRESOURCEA(IDD_MINIMAL), nullptr, MinimalDialogProc, 0) == -1
               ? 1
               : 0;
}
