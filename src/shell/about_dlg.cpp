// The About dialog: version, legal notice, the site's link and the support address.
#include "shell/about_dlg.h"

#include "res/resource.h"
#include "shell/external_tools.h"
#include "shell/version_info.h"

#include <utility>

const CMessageEntry CAProposDlg::s_messageEntries[] = {
    OnControl<&CAProposDlg::OnLinkClicked>(STN_CLICKED, IDC_ABOUT_LINK),
    OnCommand<&CAProposDlg::OnDonate>(IDC_ABOUT_DONATE),
    OnCommand<&CAProposDlg::OnThanks>(IDC_ABOUT_THANKS),
};
const CMessageMap CAProposDlg::s_messageMap{CDialog::s_messageMap, s_messageEntries};

CAProposDlg::CAProposDlg(HWND hOwner, std::string strEmail, std::string strHomeLink,
                         std::string strDonationLink, std::string strThanks, UINT idThanksIcon)
    : CDialog(IDD_ABOUT, hOwner), m_strEmail(std::move(strEmail)), m_strHomeLink(std::move(strHomeLink)),
      m_strDonationLink(std::move(strDonationLink)), m_strThanks(std::move(strThanks)),
      m_idThanksIcon(idThanksIcon)
{
}

BOOL CAProposDlg::OnInitDialog()
{
    const CVersionInfo version;
    m_legal.SubclassDlgItem(IDC_ABOUT_LEGAL, m_hWnd);
    m_legal.SetFontBold(true);
    SetDlgItemText(IDC_ABOUT_LEGAL, version.GetString(kVersionBlock, "LegalCopyright"));

    SetDlgItemText(IDC_ABOUT_EMAIL, m_strEmail);

    m_link.SubclassDlgItem(IDC_ABOUT_LINK, m_hWnd);
    m_link.SetLink(true, true);
    // The program's own cursor: a resource cursor belongs to the system, nothing to free.
    m_link.SetLinkCursor(::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_HAND_LINK)));
    m_link.SetFontUnderline(true);
    m_link.SetTextColor(RGB(0, 0, 255));

    m_version.SubclassDlgItem(IDC_ABOUT_VERSION, m_hWnd);
    SetDlgItemText(IDC_ABOUT_VERSION,
                   "Version " + GetShortVersion() + " (" + version.GetString(kVersionBlock, "Date") + ") ");

    ::SetWindowTextA(m_hWnd,
                     (GetWindowText() + " " + version.GetString(kVersionBlock, "InternalName")).c_str());
    if (m_strThanks.empty())
        ShowDlgItem(IDC_ABOUT_THANKS, false);
    // "Fermer" takes the focus: the address box would otherwise open with its text selected.
    ::SetFocus(GetDlgItem(IDOK));
    return FALSE;
}

void CAProposDlg::OnLinkClicked()
{
    OpenWebLink(m_hWnd, m_strHomeLink);
}

void CAProposDlg::OnDonate()
{
    OpenWebLink(m_hWnd, m_strDonationLink);
}

void CAProposDlg::OnThanks()
{
    CRemerciementsDlg(m_hWnd, m_strThanks, m_idThanksIcon).DoModal();
}

CRemerciementsDlg::CRemerciementsDlg(HWND hOwner, std::string strThanks, UINT idIcon)
    : CDialog(IDD_THANKS, hOwner), m_strThanks(std::move(strThanks)), m_idIcon(idIcon)
{
}

BOOL CRemerciementsDlg::OnInitDialog()
{
    if (m_idIcon != 0)
        ::SendDlgItemMessageA(
            m_hWnd, IDC_THANKS_ICON, STM_SETICON,
            reinterpret_cast<WPARAM>(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_idIcon))),
            0);
    SetDlgItemText(IDC_THANKS_TEXT, m_strThanks);
    return TRUE;
}
