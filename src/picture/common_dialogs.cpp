// Run-time access to the common dialog library.
#include "picture/common_dialogs.h"

#include "framework/resource_module.h"
#include "framework/system_function.h"
#include "res/resource.h"

#include <algorithm>

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

DWORD CallCommDlgExtendedError()
{
    const auto extendedError =
        GetSystemFunction<decltype(&::CommDlgExtendedError)>(CommonDialogLibrary(), "CommDlgExtendedError");
    return extendedError != nullptr ? extendedError() : CDERR_INITIALIZATION;
}

std::optional<std::string> AskBitmapFile(HWND hOwner, BitmapFileUse use)
{
    const bool bSave = use != BitmapFileUse::Open;
    // The string table writes the filter with "|" where the dialog wants zero bytes.
    std::string filter = LoadResourceString(IDS_BITMAP_FILTER);
    std::replace(filter.begin(), filter.end(), '|', '\0');
    char szPath[MAX_PATH] = {};
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = hOwner;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = szPath;
    ofn.nMaxFile = sizeof szPath;
    ofn.lpstrDefExt = bSave ? "bmp" : nullptr;
    ofn.Flags = bSave ? OFN_EXPLORER | OFN_HIDEREADONLY : OFN_HIDEREADONLY;
    if (use == BitmapFileUse::Save)
        ofn.Flags |= OFN_OVERWRITEPROMPT;
    if (!(bSave ? CallGetSaveFileName(&ofn) : CallGetOpenFileName(&ofn)))
        return std::nullopt;
    return std::string(szPath);
}
