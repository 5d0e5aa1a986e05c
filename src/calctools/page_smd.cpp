// The page "Marquage CMS": a marking read as it is typed, and the markings of a value.
#include "calctools/calc_pages.h"

#include "framework/resource_module.h"
#include "model/number_reader.h"
#include "model/resistance_field.h"
#include "model/smd_marking_reader.h"
#include "model/smd_marking_writer.h"
#include "model/tool_value_text.h"

#include <optional>

const CMessageEntry CPageSmd::s_messageEntries[] = {
    OnControl<&CPageSmd::ReadMarking>(EN_CHANGE, IDC_SMD_MARKING),
    OnControl<&CPageSmd::WriteMarkings>(EN_CHANGE, IDC_SMD_VALUE),
    OnCommand<&CPageSmd::OnUse>(IDC_SMD_USE),
};
const CMessageMap CPageSmd::s_messageMap{CCalcPage::s_messageMap, s_messageEntries};

namespace
{
// The text of one code's marking, or the dash and why the value cannot be written in it.
std::string MarkingText(const SmdMarking& marking)
{
    if (marking.fault == SmdWriteFault::None)
        return marking.text;
    return LoadResourceString(IDS_SMD_WRITE_DIGITS + static_cast<UINT>(marking.fault) - 1);
}
} // namespace

BOOL CPageSmd::OnInitDialog()
{
    ReadMarking();
    WriteMarkings();
    return TRUE;
}

void CPageSmd::ReadMarking()
{
    const SmdReading reading = ReadSmdMarking(GetDlgItemText(IDC_SMD_MARKING));
    EnableItem(IDC_SMD_USE, reading.IsRead());
    if (!reading.IsRead())
    {
        SetDlgItemText(IDC_SMD_READ,
                       LoadResourceString(IDS_SMD_FAULT_EMPTY + static_cast<UINT>(reading.fault) - 1));
        SetDlgItemText(IDC_SMD_CODE, std::string());
        return;
    }
    m_dReadOhms = reading.milliohms / 1000.0;
    SetDlgItemText(IDC_SMD_READ, ResistanceText(reading.milliohms));
    const UINT idCode = IDS_SMD_CODE_ZERO + static_cast<UINT>(reading.code);
    const std::optional<int> tolerance = ImpliedTolerancePercent(reading.code);
    SetDlgItemText(IDC_SMD_CODE, tolerance.has_value()
                                     ? FormatString(idCode, {std::to_string(*tolerance) + " %"})
                                     : LoadResourceString(idCode));
}

// An empty box writes the main window's value, which then follows its rings.
void CPageSmd::WriteMarkings()
{
    const std::string strTyped = GetDlgItemText(IDC_SMD_VALUE);
    double milliohms = m_owner.GetShownMilliohms();
    if (!TrimBlanks(strTyped).empty())
    {
        const std::optional<double> ohms = ReadResistanceField(strTyped);
        if (!ohms.has_value())
        {
            SetDlgItemText(IDC_SMD_OF, LoadResourceString(IDS_SMD_MAIN_VALUE));
            SetDlgItemText(IDC_SMD_WRITTEN, std::string());
            return;
        }
        milliohms = *ohms * 1000.0;
    }
    const SmdMarkings markings = WriteSmdMarkings(milliohms);
    SetDlgItemText(IDC_SMD_OF, FormatString(IDS_SMD_MARKINGS_OF, {ResistanceText(milliohms)}));
    SetDlgItemText(
        IDC_SMD_WRITTEN,
        FormatString(IDS_SMD_WRITTEN, {MarkingText(markings.threeDigit), MarkingText(markings.fourDigit),
                                       MarkingText(markings.eia96), MarkingText(markings.letter)}));
}

void CPageSmd::OnUse()
{
    m_owner.UseResistance(m_dReadOhms);
}
