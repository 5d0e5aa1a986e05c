// Entry point of QZNUpdate.exe, the online update tool that the program starts with
// /PROG:"Vantrel".
#include "update/update_dlg.h"
#include "update/update_tool.h"

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR pszCmdLine, int)
{
    // The manifest asks for version 6 of the common controls, whose buttons these are.
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
    const std::optional<InstalledProgram> program =
        FindInstalledProgram(nullptr, pszCmdLine, GetToolFolder());
    if (!program)
        return 1;
    CUpdateDlg dlg(*program);
    return dlg.DoModal() == -1 ? 1 : 0;
}
