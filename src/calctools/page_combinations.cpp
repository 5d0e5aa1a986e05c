// The page "Associations": the best series-parallel combinations of standard values or of the
// user's stock for a target, searched a slice at a time between the window's messages.
#include "calctools/calc_pages.h"

#include "framework/combo_box.h"
#include "framework/paint_helpers.h"
#include "framework/resource_module.h"
#include "model/combination_values.h"
#include "model/decimal_format.h"
#include "model/resistance_field.h"
#include "model/series_tables.h"
#include "model/tool_value_text.h"
#include "picture/arrangement_picture.h"

const CMessageEntry CPageCombinations::s_messageEntries[] = {
    OnCommand<&CPageCombinations::OnFromMain>(IDC_COMBO_FROM_MAIN),
    OnControl<&CPageCombinations::OnStockChange>(EN_CHANGE, IDC_COMBO_STOCK),
    OnCommand<&CPageCombinations::OnSearch>(IDC_COMBO_SEARCH),
    OnCommand<&CPageCombinations::OnCancelSearch>(IDC_COMBO_CANCEL),
    OnMessage<WM_TIMER, &CPageCombinations::OnTimer>(),
    OnControl<&CPageCombinations::OnResultSelected>(LBN_SELCHANGE, IDC_COMBO_RESULTS),
    OnControl<&CPageCombinations::RedrawArrangement>(LBN_SELCHANGE, IDC_COMBO_PARTS),
    OnControl<&CPageCombinations::OnUse>(LBN_DBLCLK, IDC_COMBO_RESULTS),
    OnControl<&CPageCombinations::OnUse>(LBN_DBLCLK, IDC_COMBO_PARTS),
    OnCommand<&CPageCombinations::OnUse>(IDC_COMBO_USE),
    OnMessage<WM_DRAWITEM, &CPageCombinations::OnDrawItem>(),
    OnMessage<WM_DESTROY, &CPageCombinations::OnDestroy>(),
};
const CMessageMap CPageCombinations::s_messageMap{CCalcPage::s_messageMap, s_messageEntries};

namespace
{
constexpr UINT_PTR kSearchTimer = 1;
constexpr UINT kSearchTimerMs = 10;
// Slices run until this much time went by, then the window's messages come first again.
constexpr DWORD kSliceBudgetMs = 30;
// The count list offers 2, 3 and 4 resistors.
constexpr int kFewestResistors = 2;

void AddListLine(HWND hList, const std::string& strLine)
{
    ::SendMessageA(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(strLine.c_str()));
}
} // namespace

BOOL CPageCombinations::OnInitDialog()
{
    FillSourceList(IDC_COMBO_SOURCE, static_cast<int>(kSeriesE24Index));
    const CComboBox count(GetDlgItem(IDC_COMBO_COUNT));
    for (int n = kFewestResistors; n <= kMaxCombinationResistors; ++n)
        count.AddString(std::to_string(n));
    count.SetCurSel(1);
    SetDlgItemText(IDC_COMBO_LOW, CombinationOhmsText(kDefaultLowestOhms));
    SetDlgItemText(IDC_COMBO_HIGH, CombinationOhmsText(kDefaultHighestOhms));
    SetDlgItemText(IDC_COMBO_STOCK, m_settings.m_strStock);
    EnableItem(IDC_COMBO_USE, false);
    return TRUE;
}

void CPageCombinations::OnFromMain()
{
    SetDlgItemText(IDC_COMBO_TARGET, CombinationOhmsText(m_owner.GetShownMilliohms() / 1000.0));
}

void CPageCombinations::OnStockChange()
{
    m_settings.m_strStock = GetDlgItemText(IDC_COMBO_STOCK);
}

bool CPageCombinations::ReadValues(std::vector<double>& values)
{
    m_strNote.clear();
    if (GetComboSel(IDC_COMBO_SOURCE) == kStockSource)
    {
        const StockReading stock = ReadStockList(GetDlgItemText(IDC_COMBO_STOCK));
        values = stock.ohms;
        m_strNote = StockNote(stock);
        return true;
    }
    const std::optional<double> lowest = ReadResistanceField(GetDlgItemText(IDC_COMBO_LOW));
    const std::optional<double> highest = ReadResistanceField(GetDlgItemText(IDC_COMBO_HIGH));
    if (!lowest.has_value() || !highest.has_value())
    {
        SetDlgItemText(IDC_COMBO_STATUS, LoadResourceString(IDS_COMBO_BAD_RANGE));
        return false;
    }
    values = SeriesValuesInRange(static_cast<std::size_t>(GetComboSel(IDC_COMBO_SOURCE)), *lowest, *highest);
    return true;
}

// Bad input leaves one line in place of the results, and the search that ran is dropped.
void CPageCombinations::OnSearch()
{
    ::KillTimer(m_hWnd, kSearchTimer);
    m_results.clear();
    ShowResults();
    std::vector<double> values;
    if (!ReadValues(values))
        return;
    const double target = ReadResistanceField(GetDlgItemText(IDC_COMBO_TARGET)).value_or(0.0);
    const int nResistors = kFewestResistors + GetComboSel(IDC_COMBO_COUNT);
    const CombinationStatus status = m_search.Start(target, values, nResistors);
    if (status != CombinationStatus::Ready)
    {
        SetDlgItemText(IDC_COMBO_STATUS,
                       LoadResourceString(IDS_COMBO_STATUS_TARGET + static_cast<UINT>(status) - 1));
        return;
    }
    SetDlgItemText(IDC_COMBO_STATUS, FormatString(IDS_COMBO_PROGRESS, {"0 %"}));
    EnableItem(IDC_COMBO_CANCEL, true);
    ::SetTimer(m_hWnd, kSearchTimer, kSearchTimerMs, nullptr);
}

void CPageCombinations::OnCancelSearch()
{
    m_search.Cancel();
    m_search.Advance(1);
    EndSearch(IDS_COMBO_CANCELLED);
}

void CPageCombinations::OnTimer(WPARAM wParam, LPARAM)
{
    if (wParam != kSearchTimer)
        return;
    const DWORD dwStart = ::GetTickCount();
    bool bOver = false;
    while (!bOver && ::GetTickCount() - dwStart < kSliceBudgetMs)
        bOver = m_search.Advance(kCombinationSlice);
    if (!bOver)
    {
        const std::string strPercent =
            FormatDecimal(static_cast<float>(m_search.Progress() * 100.0), 0) + " %";
        SetDlgItemText(IDC_COMBO_STATUS, FormatString(IDS_COMBO_PROGRESS, {strPercent}));
        return;
    }
    EndSearch(m_search.IsCancelled() ? IDS_COMBO_CANCELLED : IDS_COMBO_DONE);
}

void CPageCombinations::EndSearch(UINT idStatus)
{
    ::KillTimer(m_hWnd, kSearchTimer);
    EnableItem(IDC_COMBO_CANCEL, false);
    m_results = m_search.IsFinished() ? m_search.Results() : std::vector<CombinationResult>();
    std::string strStatus = LoadResourceString(idStatus);
    if (!m_strNote.empty())
        strStatus += " " + m_strNote;
    SetDlgItemText(IDC_COMBO_STATUS, strStatus);
    ShowResults();
}

void CPageCombinations::ShowResults()
{
    const HWND hList = GetDlgItem(IDC_COMBO_RESULTS);
    ::SendMessageA(hList, LB_RESETCONTENT, 0, 0);
    for (const CombinationResult& result : m_results)
        AddListLine(hList, FormatString(IDS_COMBO_RESULT,
                                        {result.text, CombinationOhmsText(result.ohms),
                                         result.exact ? LoadResourceString(IDS_COMBO_EXACT)
                                                      : ErrorPercentText(result.relativeError * 100.0)}));
    ::SendMessageA(hList, LB_SETCURSEL, 0, 0);
    OnResultSelected();
}

const CombinationResult* CPageCombinations::SelectedResult() const
{
    const LRESULT nSel = ::SendMessageA(GetDlgItem(IDC_COMBO_RESULTS), LB_GETCURSEL, 0, 0);
    return nSel >= 0 && static_cast<std::size_t>(nSel) < m_results.size()
               ? &m_results[static_cast<std::size_t>(nSel)]
               : nullptr;
}

// The selected result's resistors, one a line, the first chosen.
void CPageCombinations::OnResultSelected()
{
    const HWND hParts = GetDlgItem(IDC_COMBO_PARTS);
    ::SendMessageA(hParts, LB_RESETCONTENT, 0, 0);
    const CombinationResult* pResult = SelectedResult();
    EnableItem(IDC_COMBO_USE, pResult != nullptr);
    RedrawArrangement();
    if (pResult == nullptr)
        return;
    for (int slot = 0; slot < ArrangementResistorCount(pResult->arrangement); ++slot)
        AddListLine(hParts, ResistanceText(pResult->slotOhms[static_cast<std::size_t>(slot)] * 1000.0));
    ::SendMessageA(hParts, LB_SETCURSEL, 0, 0);
}

void CPageCombinations::RedrawArrangement()
{
    ::InvalidateRect(GetDlgItem(IDC_COMBO_DRAWING), nullptr, FALSE);
}

// The resistor chosen in the parts list, the one "Utiliser" takes, stands out.
BOOL CPageCombinations::OnDrawItem(UINT idControl, const DRAWITEMSTRUCT& item)
{
    if (idControl != IDC_COMBO_DRAWING)
        return FALSE;
    const CombinationResult* pResult = SelectedResult();
    const LRESULT nPart = ::SendMessageA(GetDlgItem(IDC_COMBO_PARTS), LB_GETCURSEL, 0, 0);
    if (pResult != nullptr)
        DrawArrangement(item.hDC, item.rcItem, pResult->arrangement, pResult->slotOhms,
                        static_cast<int>(nPart));
    else
        FillSolidRect(item.hDC, item.rcItem, ::GetSysColor(COLOR_WINDOW));
    return TRUE;
}

void CPageCombinations::OnUse()
{
    const CombinationResult* pResult = SelectedResult();
    const LRESULT nPart = ::SendMessageA(GetDlgItem(IDC_COMBO_PARTS), LB_GETCURSEL, 0, 0);
    if (pResult == nullptr || nPart < 0 || nPart >= ArrangementResistorCount(pResult->arrangement))
        return;
    m_owner.UseResistance(pResult->slotOhms[static_cast<std::size_t>(nPart)]);
}

void CPageCombinations::OnDestroy()
{
    ::KillTimer(m_hWnd, kSearchTimer);
    OnStockChange();
}
