// What every page of the calculation tools window shares.
#include "calctools/calc_page.h"

#include "framework/combo_box.h"
#include "framework/resource_module.h"
#include "model/series_tables.h"
#include "res/resource.h"

std::string CCalcPage::FormatString(UINT idText, std::initializer_list<std::string> args)
{
    const std::string strFormat = LoadResourceString(idText);
    std::string strText;
    const std::string* pArg = args.begin();
    for (std::size_t i = 0; i < strFormat.size(); ++i)
    {
        if (strFormat.compare(i, 2, "%s") == 0 && pArg != args.end())
        {
            strText += *pArg++;
            ++i;
        }
        else
        {
            strText += strFormat[i];
        }
    }
    return strText;
}

void CCalcPage::FillSeriesList(int idCombo) const
{
    const CComboBox combo(GetDlgItem(idCombo));
    for (const StandardSeries& series : kStandardSeries)
        combo.AddString(std::string(series.name));
    combo.SetCurSel(static_cast<int>(kSeriesE24Index));
}

void CCalcPage::FillSourceList(int idCombo, int nSel) const
{
    FillSeriesList(idCombo);
    const CComboBox combo(GetDlgItem(idCombo));
    combo.AddString(LoadResourceString(IDS_COMBO_STOCK));
    combo.SetCurSel(nSel);
}

int CCalcPage::GetComboSel(int idCombo) const
{
    return CComboBox(GetDlgItem(idCombo)).GetCurSel();
}

std::string CCalcPage::StockNote(const StockReading& stock)
{
    std::string strUnreadable;
    for (const std::string& strEntry : stock.unreadable)
        strUnreadable += (strUnreadable.empty() ? "" : ", ") + strEntry;
    std::string strNote;
    if (!strUnreadable.empty())
        strNote = FormatString(IDS_COMBO_UNREADABLE, {strUnreadable});
    if (stock.tooMany)
        strNote += (strNote.empty() ? "" : " ; ") + LoadResourceString(IDS_COMBO_TOO_MANY);
    return strNote;
}
