// Property sheets and their pages; a page finds its object in the PROPSHEETPAGE it was made from.
#include "framework/property_sheet.h"

#include "framework/resource_module.h"

const CMessageEntry CPropertyPage::s_messageEntries[] = {
    OnNotifyCode<&CPropertyPage::OnApply>(PSN_APPLY),
    OnNotifyCode<&CPropertyPage::OnHelpNotify>(PSN_HELP),
};
const CMessageMap CPropertyPage::s_messageMap{CDialog::s_messageMap, s_messageEntries};

PROPSHEETPAGEA CPropertyPage::MakeSheetPage()
{
    PROPSHEETPAGEA page{};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_HASHELP;
    page.hInstance = ::GetModuleHandleA(nullptr);
    // The template from the language library in force, the pictures from the program (see
    // LoadDialogTemplate); the sheet reads the template when it first shows the page. Without
    // any template the page is named by its id, and the sheet fails to make it as it should.
    if (const DLGTEMPLATE* pTemplate = LoadDialogTemplate(GetTemplateId()))
    {
        page.dwFlags |= PSP_DLGINDIRECT;
        page.pResource = pTemplate;
    }
    else
    {
        page.pszTemplate = MAKEINTRESOURCEA(GetTemplateId());
    }
    page.pfnDlgProc = PageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

// WM_INITDIALOG brings the PROPSHEETPAGE, whose lParam is the page object.
INT_PTR CALLBACK CPropertyPage::PageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        reinterpret_cast<CPropertyPage*>(reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam)
            ->Attach(hWnd);
    auto* self = reinterpret_cast<CPropertyPage*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    return self != nullptr ? self->HandleMessage(hWnd, message, wParam, lParam) : FALSE;
}

LRESULT CPropertyPage::OnApply(NMHDR&)
{
    OnOK();
    return PSNRET_NOERROR;
}

LRESULT CPropertyPage::OnHelpNotify(NMHDR&)
{
    OnHelp();
    return 0;
}

CPropertySheet::CPropertySheet(std::string strCaption, HWND hOwner)
    : m_strCaption(std::move(strCaption)), m_hOwner(hOwner)
{
}

CPropertySheet::~CPropertySheet()
{
    if (m_hModeless != nullptr && ::IsWindow(m_hModeless))
        ::DestroyWindow(m_hModeless);
}

PROPSHEETHEADERA CPropertySheet::MakeHeader(DWORD dwFlags, std::vector<PROPSHEETPAGEA>& pages)
{
    for (CPropertyPage* pPage : m_pages)
        pages.push_back(pPage->MakeSheetPage());
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_HASHELP | dwFlags;
    header.hwndParent = m_hOwner;
    header.hInstance = GetResourceModule();
    header.pszCaption = m_strCaption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.ppsp = pages.data();
    return header;
}

bool CPropertySheet::DoModal()
{
    std::vector<PROPSHEETPAGEA> pages;
    PROPSHEETHEADERA header = MakeHeader(0, pages);
    return ::PropertySheetA(&header) > 0;
}

HWND CPropertySheet::Create()
{
    std::vector<PROPSHEETPAGEA> pages;
    PROPSHEETHEADERA header = MakeHeader(PSH_MODELESS, pages);
    m_hModeless = reinterpret_cast<HWND>(::PropertySheetA(&header));
    return m_hModeless;
}
