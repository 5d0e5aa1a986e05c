// Property sheets: pages made from dialog templates, gathered in a sheet that runs modally (or
// modelessly, for tests). A page learns that it is shown, that the sheet was closed with OK
// (only pages that were ever shown are told), and that Help was pressed.
#pragma once

#include "framework/dialog.h"

#include <commctrl.h>

#include <string>
#include <vector>

class CPropertyPage : public CDialog
{
public:
    explicit CPropertyPage(UINT idTemplate) : CDialog(idTemplate) {}

    PROPSHEETPAGEA MakeSheetPage();

protected:
    // OK closed the sheet: the page writes its controls back.
    void OnOK() override {}
    // The Help button, while this page shows.
    virtual void OnHelp() {}

    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    static const CMessageMap s_messageMap;

private:
    static INT_PTR CALLBACK PageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnApply(NMHDR&);
    LRESULT OnHelpNotify(NMHDR&);

    static const CMessageEntry s_messageEntries[];
};

class CPropertySheet
{
public:
    CPropertySheet(std::string strCaption, HWND hOwner);
    CPropertySheet(const CPropertySheet&) = delete;
    CPropertySheet& operator=(const CPropertySheet&) = delete;
    virtual ~CPropertySheet();

    // Pages in the order of their tabs; the first is shown first.
    void AddPage(CPropertyPage& page) { m_pages.push_back(&page); }
    // True when the sheet was closed with OK.
    bool DoModal();
    // The sheet's window, shown; it lives until destroyed or this object goes.
    HWND Create();

private:
    PROPSHEETHEADERA MakeHeader(DWORD dwFlags, std::vector<PROPSHEETPAGEA>& pages);

    std::string m_strCaption;
    HWND m_hOwner;
    std::vector<CPropertyPage*> m_pages;
    HWND m_hModeless = nullptr;
};
