// The update tool's window.
#include "update/update_dlg.h"

#include "framework/resource_module.h"
#include "model/placeholder_text.h"
#include "model/version_text.h"
#include "update/update_resource.h"

CUpdateDlg::CUpdateDlg(const InstalledProgram& program, HWND hParent)
    : CDialog(IDD_UPDATE, hParent), m_program(program)
{
}

BOOL CUpdateDlg::OnInitDialog()
{
    // Shared icons from LoadIcon belong to the system: nothing to free.
    HICON hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_UPDATE));
    SetIcon(hIcon, true);
    SetIcon(hIcon, false);
    ::SetWindowTextA(m_hWnd,
                     FillPlaceholders(LoadResourceString(IDS_UPDATE_TITLE), {m_program.strName}).c_str());
    SetDlgItemText(IDC_UPDATE_PRODUCT,
                   FillPlaceholders(LoadResourceString(IDS_UPDATE_PRODUCT), {m_program.strName}));
    // The version as the program's About box shows it, which is also the one the page is told.
    const std::string strVersion = ShortVersionText(m_program.strFileVersion);
    SetDlgItemText(
        IDC_UPDATE_VERSION,
        m_program.strDate.empty()
            ? FillPlaceholders(LoadResourceString(IDS_UPDATE_VERSION), {strVersion})
            : FillPlaceholders(LoadResourceString(IDS_UPDATE_VERSION_DATE), {strVersion, m_program.strDate}));
    return TRUE;
}

void CUpdateDlg::OnOK()
{
    if (OpenDownloadPage(m_hWnd, m_program))
        EndDialog(IDOK);
}
