// The page "LED": the series resistor of LEDs, from the supply, their voltage, count and current.
#include "calctools/calc_pages.h"

#include "framework/combo_box.h"
#include "framework/resource_module.h"
#include "model/decimal_format.h"
#include "model/led_resistor.h"
#include "model/number_reader.h"
#include "model/tool_value_text.h"

const CMessageEntry CPageLed::s_messageEntries[] = {
    OnControl<&CPageLed::OnColour>(CBN_SELCHANGE, IDC_LED_COLOUR),
    OnControl<&CPageLed::Compute>(CBN_SELCHANGE, IDC_LED_SERIES),
    OnControlRange<&CPageLed::Compute>(EN_CHANGE, IDC_LED_SUPPLY, IDC_LED_CURRENT),
    OnCommand<&CPageLed::OnUse>(IDC_LED_USE),
};
const CMessageMap CPageLed::s_messageMap{CCalcPage::s_messageMap, s_messageEntries};

namespace
{
std::string VoltsText(double volts)
{
    return FormatDecimal(static_cast<float>(volts), 2);
}
} // namespace

BOOL CPageLed::OnInitDialog()
{
    const CComboBox colour(GetDlgItem(IDC_LED_COLOUR));
    for (std::size_t i = 0; i < kLedForwardVolts.size(); ++i)
        colour.AddString(LoadResourceString(IDS_LED_COLOUR_RED + static_cast<UINT>(i)) + " (" +
                         VoltsText(kLedForwardVolts[i]) + " V)");
    colour.SetCurSel(static_cast<int>(LedColour::Red));
    FillSeriesList(IDC_LED_SERIES);
    SetDlgItemText(IDC_LED_SUPPLY, "5");
    SetDlgItemText(IDC_LED_COUNT, "1");
    SetDlgItemText(IDC_LED_CURRENT, "20");
    OnColour();
    return TRUE;
}

// A colour writes its typical voltage into the field, which stays free to edit.
void CPageLed::OnColour()
{
    const int nColour = GetComboSel(IDC_LED_COLOUR);
    if (nColour >= 0 && static_cast<std::size_t>(nColour) < kLedForwardVolts.size())
        SetDlgItemText(IDC_LED_FORWARD, VoltsText(kLedForwardVolts[static_cast<std::size_t>(nColour)]));
}

void CPageLed::Compute()
{
    LedInput input;
    input.supplyVolts = ReadWholeNumber(GetDlgItemText(IDC_LED_SUPPLY));
    input.forwardVolts = ReadWholeNumber(GetDlgItemText(IDC_LED_FORWARD));
    input.ledCount = ReadWholeNumber(GetDlgItemText(IDC_LED_COUNT));
    input.milliamps = ReadWholeNumber(GetDlgItemText(IDC_LED_CURRENT));
    const int nSeries = GetComboSel(IDC_LED_SERIES);
    input.series = nSeries >= 0 ? static_cast<std::size_t>(nSeries) : kSeriesE24Index;
    const LedResult result = ComputeLedResistor(input);
    EnableItem(IDC_LED_USE, result.fault == LedFault::None);
    if (result.fault != LedFault::None)
    {
        SetDlgItemText(IDC_LED_RESULT,
                       LoadResourceString(IDS_LED_FAULT_SUPPLY + static_cast<UINT>(result.fault) - 1));
        return;
    }
    m_dStandardOhms = result.standardOhms;
    const std::string strRating = result.rating.has_value() ? std::string(kPowerRatings[*result.rating].text)
                                                            : LoadResourceString(IDS_LED_NO_RATING);
    SetDlgItemText(
        IDC_LED_RESULT,
        FormatString(IDS_LED_RESULT,
                     {ResistanceText(result.exactOhms * 1000.0), ResistanceText(result.standardOhms * 1000.0),
                      FormatDecimal(static_cast<float>(result.milliamps), 2),
                      FormatDecimal(static_cast<float>(result.watts), 3), strRating}));
}

void CPageLed::OnUse()
{
    m_owner.UseResistance(m_dStandardOhms);
}
