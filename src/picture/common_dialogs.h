// The common dialog library, loaded when a command first needs it: the program starts without
// it, and it stays loaded once a save or print dialog was asked for.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <optional>
#include <string>

// Each is the library's function of the same name; FALSE when the library cannot be loaded.
BOOL CallGetSaveFileName(OPENFILENAMEA* pOfn);
BOOL CallGetOpenFileName(OPENFILENAMEA* pOfn);
BOOL CallPrintDlg(PRINTDLGA* pPd);
// 0 when the last dialog was cancelled rather than failed.
DWORD CallCommDlgExtendedError();

// What the bitmap file is asked for: a background to open, the picture to save (an existing file
// is confirmed), or a name for several files to save, which the caller confirms itself.
enum class BitmapFileUse
{
    Open,
    Save,
    SavePages,
};
// The bitmap file the user chose with the string table's bitmap filter; ".bmp" is added to a
// name to save. Nothing when cancelled.
std::optional<std::string> AskBitmapFile(HWND hOwner, BitmapFileUse use);
