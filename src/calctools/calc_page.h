// A page of the calculation tools window: a child dialog over the tab control's display area,
// with the texts and the owner every page uses.
#pragma once

#include "calctools/calc_tools_owner.h"
#include "framework/dialog.h"
#include "model/resistance_field.h"
#include "model/series_tables.h"
#include "settings/app_settings.h"

#include <initializer_list>
#include <string>

class CCalcPage : public CDialog
{
public:
    CCalcPage(UINT idTemplate, CAppSettings& settings, ICalcToolsOwner& owner)
        : CDialog(idTemplate), m_settings(settings), m_owner(owner)
    {
    }

    // The owner's resistance changed (a ring moved, a value was typed).
    virtual void OnShownValueChanged() {}
    // The page comes to the front: what another page may have changed shows.
    virtual void OnPageShown() {}

protected:
    // String idText with each "%s" replaced by the next argument.
    static std::string FormatString(UINT idText, std::initializer_list<std::string> args);
    // The series combo box: E3 to E192, with E24 chosen.
    void FillSeriesList(int idCombo) const;
    // The source combo box of the pages that take the stock too: E3 to E192, then the stock.
    static constexpr int kStockSource = static_cast<int>(kSeriesCount);
    void FillSourceList(int idCombo, int nSel) const;
    int GetComboSel(int idCombo) const;
    // What reading the stock left out, for the page's status line; empty when nothing was.
    static std::string StockNote(const StockReading& stock);
    void EnableItem(int id, bool bEnable) const { ::EnableWindow(GetDlgItem(id), bEnable ? TRUE : FALSE); }

    CAppSettings& m_settings;
    ICalcToolsOwner& m_owner;
};
