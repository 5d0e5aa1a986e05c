// The pages of the calculation tools window: SMD markings both ways, the LED resistor, the
// voltage divider, the series-parallel combinations and the label sheet.
#pragma once

#include "calctools/calc_page.h"
#include "model/combination_search.h"
#include "model/label_sheet.h"
#include "model/voltage_divider.h"
#include "res/resource.h"

#include <optional>
#include <vector>

class CPageSmd : public CCalcPage
{
public:
    CPageSmd(CAppSettings& settings, ICalcToolsOwner& owner) : CCalcPage(IDD_TOOL_SMD, settings, owner) {}
    void OnShownValueChanged() override { WriteMarkings(); }

protected:
    BOOL OnInitDialog() override;
    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    static const CMessageMap s_messageMap;

private:
    void ReadMarking();
    void WriteMarkings();
    void OnUse();

    double m_dReadOhms = 0.0;
    static const CMessageEntry s_messageEntries[];
};

class CPageLed : public CCalcPage
{
public:
    CPageLed(CAppSettings& settings, ICalcToolsOwner& owner) : CCalcPage(IDD_TOOL_LED, settings, owner) {}

protected:
    BOOL OnInitDialog() override;
    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    static const CMessageMap s_messageMap;

private:
    void OnColour();
    void Compute();
    void OnUse();

    double m_dStandardOhms = 0.0;
    static const CMessageEntry s_messageEntries[];
};

class CPageDivider : public CCalcPage
{
public:
    CPageDivider(CAppSettings& settings, ICalcToolsOwner& owner)
        : CCalcPage(IDD_TOOL_DIVIDER, settings, owner)
    {
    }

protected:
    BOOL OnInitDialog() override;
    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    static const CMessageMap s_messageMap;

private:
    void Compute();
    void OnUse(UINT id);

    std::vector<DividerPair> m_pairs;
    static const CMessageEntry s_messageEntries[];
};

class CPageCombinations : public CCalcPage
{
public:
    CPageCombinations(CAppSettings& settings, ICalcToolsOwner& owner)
        : CCalcPage(IDD_TOOL_COMBO, settings, owner)
    {
    }

protected:
    BOOL OnInitDialog() override;
    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    static const CMessageMap s_messageMap;

private:
    void OnFromMain();
    void OnStockChange();
    void OnSearch();
    void OnCancelSearch();
    void OnTimer(WPARAM wParam, LPARAM lParam);
    void OnResultSelected();
    void RedrawArrangement();
    BOOL OnDrawItem(UINT idControl, const DRAWITEMSTRUCT& item);
    void OnUse();
    void OnDestroy();
    // The result chosen in the list, or none.
    const CombinationResult* SelectedResult() const;
    // The search's values from the source chosen; false with the status line set when none.
    bool ReadValues(std::vector<double>& values);
    void ShowResults();
    void EndSearch(UINT idStatus);

    CombinationSearch m_search;
    std::vector<CombinationResult> m_results;
    // What reading the stock left out, shown beside the search's status.
    std::string m_strNote;
    static const CMessageEntry s_messageEntries[];
};

class CPageLabels : public CCalcPage
{
public:
    CPageLabels(CAppSettings& settings, ICalcToolsOwner& owner) : CCalcPage(IDD_TOOL_LABELS, settings, owner)
    {
    }
    // The stock is edited on the combinations page.
    void OnPageShown() override { Update(); }

protected:
    BOOL OnInitDialog() override;
    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    static const CMessageMap s_messageMap;

private:
    void Update();
    // The labels of the values chosen, or the status line's fault.
    std::string ReadLabels();
    BOOL OnDrawItem(UINT idControl, const DRAWITEMSTRUCT& item);
    void OnPrint();
    void OnSave();

    std::vector<LabelContent> m_labels;
    std::optional<LabelFormat> m_format;
    static const CMessageEntry s_messageEntries[];
};
