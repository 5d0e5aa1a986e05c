// The page "Diviseur": the ten best pairs of standard resistors for a voltage divider.
#include "calctools/calc_pages.h"

#include "framework/resource_module.h"
#include "model/decimal_format.h"
#include "model/number_reader.h"
#include "model/resistance_field.h"
#include "model/tool_value_text.h"

const CMessageEntry CPageDivider::s_messageEntries[] = {
    OnControlRange<&CPageDivider::Compute>(EN_CHANGE, IDC_DIV_INPUT, IDC_DIV_WANTED),
    OnControlRange<&CPageDivider::Compute>(EN_CHANGE, IDC_DIV_LOW, IDC_DIV_HIGH),
    OnControl<&CPageDivider::Compute>(CBN_SELCHANGE, IDC_DIV_SERIES),
    OnCommand<&CPageDivider::Compute>(IDC_DIV_RATIO),
    OnCommandRange<&CPageDivider::OnUse>(IDC_DIV_USE_R1, IDC_DIV_USE_R2),
};
const CMessageMap CPageDivider::s_messageMap{CCalcPage::s_messageMap, s_messageEntries};

BOOL CPageDivider::OnInitDialog()
{
    FillSeriesList(IDC_DIV_SERIES);
    SetDlgItemText(IDC_DIV_INPUT, "12");
    SetDlgItemText(IDC_DIV_WANTED, "5");
    SetDlgItemText(IDC_DIV_LOW, "1k");
    SetDlgItemText(IDC_DIV_HIGH, "1M");
    Compute();
    return TRUE;
}

void CPageDivider::Compute()
{
    DividerInput input;
    input.inputVolts = ReadWholeNumber(GetDlgItemText(IDC_DIV_INPUT));
    input.wanted = ReadWholeNumber(GetDlgItemText(IDC_DIV_WANTED));
    input.wantedIsRatio = ::IsDlgButtonChecked(m_hWnd, IDC_DIV_RATIO) == BST_CHECKED;
    input.lowestOhms = ReadResistanceField(GetDlgItemText(IDC_DIV_LOW));
    input.highestOhms = ReadResistanceField(GetDlgItemText(IDC_DIV_HIGH));
    const int nSeries = GetComboSel(IDC_DIV_SERIES);
    input.series = nSeries >= 0 ? static_cast<std::size_t>(nSeries) : kSeriesE24Index;
    DividerResult result = FindDividerPairs(input);
    m_pairs = std::move(result.pairs);
    const HWND hList = GetDlgItem(IDC_DIV_PAIRS);
    ::SendMessageA(hList, LB_RESETCONTENT, 0, 0);
    SetDlgItemText(IDC_DIV_STATUS,
                   result.fault == DividerFault::None
                       ? std::string()
                       : LoadResourceString(IDS_DIV_FAULT_INPUT + static_cast<UINT>(result.fault) - 1));
    for (const DividerPair& pair : m_pairs)
    {
        const std::string strLine = FormatString(
            IDS_DIV_PAIR,
            {ResistanceText(pair.r1Ohms * 1000.0), ResistanceText(pair.r2Ohms * 1000.0),
             FormatDecimal(static_cast<float>(pair.outputVolts), 4), ErrorPercentText(pair.errorPercent),
             FormatDecimal(static_cast<float>(pair.milliamps), 4)});
        ::SendMessageA(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(strLine.c_str()));
    }
    ::SendMessageA(hList, LB_SETCURSEL, 0, 0);
    EnableItem(IDC_DIV_USE_R1, !m_pairs.empty());
    EnableItem(IDC_DIV_USE_R2, !m_pairs.empty());
}

// The pair selected, or the best one while none is.
void CPageDivider::OnUse(UINT id)
{
    if (m_pairs.empty())
        return;
    const LRESULT nSel = ::SendMessageA(GetDlgItem(IDC_DIV_PAIRS), LB_GETCURSEL, 0, 0);
    const DividerPair& pair =
        m_pairs[nSel >= 0 && static_cast<std::size_t>(nSel) < m_pairs.size() ? static_cast<std::size_t>(nSel)
                                                                             : 0];
    m_owner.UseResistance(id == IDC_DIV_USE_R1 ? pair.r1Ohms : pair.r2Ohms);
}
