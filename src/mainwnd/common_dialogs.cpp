// Run-time access to the common dialog library.
#include "mainwnd/common_dialogs.h"

#include "framework/system_function.h"

namespace
{
// Never freed: the dialogs it shows may still be winding down when a command returns.
HMODULE CommonDialogLibrary()
{
    static HMODULE s_hModule = ::LoadLibraryA("comdlg32.dll");
    return s_hModule;
}
} // namespace

BOOL CallGetSaveFileName(OPENFILENAMEA* pOfn)
{
    const auto getSaveFileName =
        GetSystemFunction<decltype(&::GetSaveFileNameA)>(CommonDialogLibrary(), "GetSaveFileNameA");
    return getSaveFileName != nullptr ? getSaveFileName(pOfn) : FALSE;
}

BOOL CallGetOpenFileName(OPENFILENAMEA* pOfn)
{
    const auto getOpenFileName =
        GetSystemFunction<decltype(&::GetOpenFileNameA)>(CommonDialogLibrary(), "GetOpenFileNameA");
    return getOpenFileName != nullptr ? getOpenFileName(pOfn) : FALSE;
}

BOOL CallPrintDlg(PRINTDLGA* pPd)
{
    const auto printDlg = GetSystemFunction<decltype(&::PrintDlgA)>(CommonDialogLibrary(), "PrintDlgA");
    return printDlg != nullptr ? printDlg(pPd) : FALSE;
}
