// The label sheet page: labels for a series over a range or for the stock, in a sheet
// format or a custom size, previewed, printed and saved as bitmap files.
#include "calctools/calc_pages.h"

#include "framework/combo_box.h"
#include "framework/paint_helpers.h"
#include "framework/resource_module.h"
#include "framework/scopes.h"
#include "model/combination_values.h"
#include "model/number_reader.h"
#include "model/series_tables.h"
#include "picture/common_dialogs.h"
#include "picture/label_page.h"
#include "picture/print_job.h"

const CMessageEntry CPageLabels::s_messageEntries[] = {
    OnControl<&CPageLabels::Update>(CBN_SELCHANGE, IDC_LABEL_SOURCE),
    OnControl<&CPageLabels::Update>(CBN_SELCHANGE, IDC_LABEL_FORMAT),
    OnControlRange<&CPageLabels::Update>(EN_CHANGE, IDC_LABEL_LOW, IDC_LABEL_HIGH),
    OnControlRange<&CPageLabels::Update>(EN_CHANGE, IDC_LABEL_WIDTH, IDC_LABEL_HEIGHT),
    OnMessage<WM_DRAWITEM, &CPageLabels::OnDrawItem>(),
    OnCommand<&CPageLabels::OnPrint>(IDC_LABEL_PRINT),
    OnCommand<&CPageLabels::OnSave>(IDC_LABEL_SAVE),
};
const CMessageMap CPageLabels::s_messageMap{CCalcPage::s_messageMap, s_messageEntries};

BOOL CPageLabels::OnInitDialog()
{
    FillSourceList(IDC_LABEL_SOURCE, m_settings.m_nLabelSource);
    const CComboBox format(GetDlgItem(IDC_LABEL_FORMAT));
    for (UINT id = IDS_LABEL_FORMAT_A4_3X8; id <= IDS_LABEL_FORMAT_CUSTOM; ++id)
        format.AddString(LoadResourceString(id));
    format.SetCurSel(m_settings.m_nLabelFormat);
    // The texts are set before any change is heard, so that none overwrites a stored one.
    const std::string strLowest = m_settings.m_strLabelLowest;
    const std::string strHighest = m_settings.m_strLabelHighest;
    const std::string strWidth = m_settings.m_strLabelWidth;
    const std::string strHeight = m_settings.m_strLabelHeight;
    SetDlgItemText(IDC_LABEL_LOW, strLowest);
    SetDlgItemText(IDC_LABEL_HIGH, strHighest);
    SetDlgItemText(IDC_LABEL_WIDTH, strWidth);
    SetDlgItemText(IDC_LABEL_HEIGHT, strHeight);
    Update();
    return TRUE;
}

std::string CPageLabels::ReadLabels()
{
    std::vector<double> values;
    std::string strNote;
    if (GetComboSel(IDC_LABEL_SOURCE) == kStockSource)
    {
        const StockReading stock = ReadStockList(m_settings.m_strStock);
        values = stock.ohms;
        strNote = StockNote(stock);
    }
    else
    {
        const std::optional<double> lowest = ReadResistanceField(GetDlgItemText(IDC_LABEL_LOW));
        const std::optional<double> highest = ReadResistanceField(GetDlgItemText(IDC_LABEL_HIGH));
        if (!lowest.has_value() || !highest.has_value())
            return LoadResourceString(IDS_COMBO_BAD_RANGE);
        values =
            SeriesValuesInRange(static_cast<std::size_t>(GetComboSel(IDC_LABEL_SOURCE)), *lowest, *highest);
    }
    m_labels = MakeLabelContents(values);
    if (m_labels.empty())
        return LoadResourceString(IDS_LABEL_NO_VALUES);
    m_format = ChosenLabelFormat(GetComboSel(IDC_LABEL_FORMAT),
                                 ReadWholeNumber(GetDlgItemText(IDC_LABEL_WIDTH)).value_or(0.0),
                                 ReadWholeNumber(GetDlgItemText(IDC_LABEL_HEIGHT)).value_or(0.0));
    if (!m_format.has_value())
        return LoadResourceString(IDS_LABEL_BAD_SIZE);
    std::string strStatus =
        FormatString(IDS_LABEL_COUNT, {std::to_string(m_labels.size()),
                                       std::to_string(LabelPageCount(*m_format, m_labels.size()))});
    if (!strNote.empty())
        strStatus += "\n" + strNote;
    return strStatus;
}

// Every change reads the page afresh and keeps its choices; a fault leaves no sheet to print
// or save.
void CPageLabels::Update()
{
    m_settings.m_nLabelSource = GetComboSel(IDC_LABEL_SOURCE);
    m_settings.m_nLabelFormat = GetComboSel(IDC_LABEL_FORMAT);
    m_settings.m_strLabelLowest = GetDlgItemText(IDC_LABEL_LOW);
    m_settings.m_strLabelHighest = GetDlgItemText(IDC_LABEL_HIGH);
    m_settings.m_strLabelWidth = GetDlgItemText(IDC_LABEL_WIDTH);
    m_settings.m_strLabelHeight = GetDlgItemText(IDC_LABEL_HEIGHT);
    const bool bStock = m_settings.m_nLabelSource == kStockSource;
    const bool bCustom = m_settings.m_nLabelFormat == kCustomLabelChoice;
    EnableItem(IDC_LABEL_LOW, !bStock);
    EnableItem(IDC_LABEL_HIGH, !bStock);
    EnableItem(IDC_LABEL_WIDTH, bCustom);
    EnableItem(IDC_LABEL_HEIGHT, bCustom);
    m_labels.clear();
    m_format.reset();
    const std::string strStatus = ReadLabels();
    if (!m_format.has_value())
        m_labels.clear();
    SetDlgItemText(IDC_LABEL_STATUS, strStatus);
    EnableItem(IDC_LABEL_PRINT, !m_labels.empty());
    EnableItem(IDC_LABEL_SAVE, !m_labels.empty());
    ::InvalidateRect(GetDlgItem(IDC_LABEL_PREVIEW), nullptr, TRUE);
}

BOOL CPageLabels::OnDrawItem(UINT idControl, const DRAWITEMSTRUCT& item)
{
    if (idControl != IDC_LABEL_PREVIEW)
        return FALSE;
    const COLORREF crBack = ::GetSysColor(COLOR_APPWORKSPACE);
    if (m_format.has_value() && !m_labels.empty())
        DrawLabelPreview(item.hDC, item.rcItem, crBack, *m_format, m_labels);
    else
        FillSolidRect(item.hDC, item.rcItem, crBack);
    return TRUE;
}

void CPageLabels::OnPrint()
{
    if (!m_format.has_value() || m_labels.empty())
        return;
    const HWND hRoot = ::GetAncestor(m_hWnd, GA_ROOT);
    bool bCancelled = false;
    CPrinterDCHandle printer = AskPrinterDC(hRoot, bCancelled);
    if (bCancelled)
        return;
    CWaitCursor wait;
    if (!printer || !PrintLabelPages(printer.get(), kPrintDocumentName, *m_format, m_labels))
        MessageBoxFromTable(hRoot, IDS_PRINT_ERROR, MB_OK | MB_ICONEXCLAMATION);
}

void CPageLabels::OnSave()
{
    if (!m_format.has_value() || m_labels.empty())
        return;
    const HWND hRoot = ::GetAncestor(m_hWnd, GA_ROOT);
    const std::optional<std::string> path = AskBitmapFile(hRoot, BitmapFileUse::SavePages);
    if (!path.has_value())
        return;
    // The dialog knows the name chosen, not the pages' names made of it.
    const std::string strStem = LabelFileStem(*path);
    const std::size_t nPages = LabelPageCount(*m_format, m_labels.size());
    for (std::size_t nPage = 1; nPage <= nPages; ++nPage)
    {
        const DWORD dwAttributes = ::GetFileAttributesA(LabelPageFileName(strStem, nPage).c_str());
        if (dwAttributes == INVALID_FILE_ATTRIBUTES || (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            continue;
        if (MessageBoxFromTable(hRoot, IDS_LABEL_REPLACE, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
        break;
    }
    CWaitCursor wait;
    if (!SaveLabelPages(strStem, *m_format, m_labels))
        MessageBoxFromTable(hRoot, IDS_LABEL_SAVE_ERROR, MB_OK | MB_ICONEXCLAMATION);
}
