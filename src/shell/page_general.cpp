// The options page "Général": the ring count and the series the side bar offers.
#include "shell/options_dlg.h"

#include "framework/combo_box.h"
#include "res/resource.h"

#include <iterator>

namespace
{
// The series' check boxes in the order of the settings: E3, E6, E12, E24, E48, E96, E192.
constexpr int kSeriesBoxes[] = {IDC_OPT_E3,  IDC_OPT_E6,  IDC_OPT_E12, IDC_OPT_E24,
                                IDC_OPT_E48, IDC_OPT_E96, IDC_OPT_E192};
static_assert(std::size(kSeriesBoxes) == kSeriesCount);
} // namespace

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
