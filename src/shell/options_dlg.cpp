// The options sheet, its "Général" and "Outils" pages, and the help every page offers.
#include "shell/options_dlg.h"

#include "framework/combo_box.h"
#include "framework/resource_module.h"
#include "res/resource.h"
#include "shell/external_tools.h"

#include <iterator>

namespace
{
// The series' check boxes in the order of the settings: E3, E6, E12, E24, E48, E96, E192.
constexpr int kSeriesBoxes[] = {IDC_OPT_E3,  IDC_OPT_E6,  IDC_OPT_E12, IDC_OPT_E24,
                                IDC_OPT_E48, IDC_OPT_E96, IDC_OPT_E192};
static_assert(std::size(kSeriesBoxes) == kSeriesCount);
constexpr const char* kOptionsTopic = "options.htm";
} // namespace

// Every page's Help button opens the options topic.
void COptionsPage::OnHelp()
{
    ShowHelpTopic(m_hWnd, kOptionsTopic);
}

CPageGeneral::CPageGeneral(CAppSettings& settings) : COptionsPage(IDD_PAGE_GENERAL), m_settings(settings) {}

BOOL CPageGeneral::OnInitDialog()
{
    m_bInitialising = true;
    for (size_t i = 0; i < kSeriesCount; ++i)
        ::CheckDlgButton(m_hWnd, kSeriesBoxes[i], m_settings.m_bUseSeries[i] ? BST_CHECKED : BST_UNCHECKED);
    const CComboBox rings(GetDlgItem(IDC_OPT_RINGS));
    for (const char* pszCount : {"4", "5", "6"})
        rings.AddString(pszCount);
    rings.SetCurSel(m_settings.m_nRingMode);
    m_bInitialising = false;
    return TRUE;
}

// With no series at all the side bar's group would be empty: E3 stays, and the user is told how
// to hide the group instead.
void CPageGeneral::OnOK()
{
    bool bAny = false;
    for (int id : kSeriesBoxes)
        bAny = bAny || ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
    if (!bAny && !m_bInitialising)
    {
        MessageBoxFromTable(IDS_SERIES_REQUIRED, MB_OK | MB_ICONEXCLAMATION);
        ::CheckDlgButton(m_hWnd, IDC_OPT_E3, BST_CHECKED);
    }
    m_settings.m_nRingMode = CComboBox(GetDlgItem(IDC_OPT_RINGS)).GetCurSel();
    for (size_t i = 0; i < kSeriesCount; ++i)
        m_settings.m_bUseSeries[i] =
            ::IsDlgButtonChecked(m_hWnd, kSeriesBoxes[i]) == BST_CHECKED ? TRUE : FALSE;
}

const CMessageEntry CPageOutils::s_messageEntries[] = {
    OnCommand<&CPageOutils::OnRepair>(IDC_OPT_REPAIR),
    OnCommand<&CPageOutils::OnUpdate>(IDC_OPT_UPDATE),
};
const CMessageMap CPageOutils::s_messageMap{COptionsPage::s_messageMap, s_messageEntries};

CPageOutils::CPageOutils() : COptionsPage(IDD_PAGE_TOOLS) {}

void CPageOutils::OnRepair()
{
    LaunchRepairTool(m_hWnd, kProductName);
}

void CPageOutils::OnUpdate()
{
    LaunchUpdateTool(m_hWnd, kProductName);
}

COptionsDlg::COptionsDlg(HWND hOwner, CAppSettings& settings, std::vector<std::string> languageNames)
    : CPropertySheet(LoadResourceString(IDS_OPTIONS_CAPTION), hOwner), m_pageGeneral(settings),
      m_pageInterface(settings, std::move(languageNames))
{
    AddPage(m_pageGeneral);
    AddPage(m_pageInterface);
    AddPage(m_pageOutils);
}
