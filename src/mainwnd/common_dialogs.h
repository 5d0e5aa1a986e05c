// The common dialog library, loaded when a command first needs it: the program starts without
// it, and it stays loaded once a save or print dialog was asked for.
#pragma once

#include <windows.h>
#include <commdlg.h>

// Each is the library's function of the same name; FALSE when the library cannot be loaded.
BOOL CallGetSaveFileName(OPENFILENAMEA* pOfn);
BOOL CallGetOpenFileName(OPENFILENAMEA* pOfn);
BOOL CallPrintDlg(PRINTDLGA* pPd);
