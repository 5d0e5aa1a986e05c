// The calculation tools window: modeless, owned by the main window, its pages under a tab
// control. Its place and last page are kept in the settings.
#pragma once

#include "calctools/calc_pages.h"
#include "calctools/calc_tools_owner.h"
#include "framework/dialog.h"
#include "settings/app_settings.h"

#include <array>

class CCalcToolsDlg : public CDialog
{
public:
    CCalcToolsDlg(CAppSettings& settings, ICalcToolsOwner& owner);

    // Creates the window over hOwner, or brings the open one to the front.
    void Open(HWND hOwner);
    bool IsOpen() const { return m_hWnd != nullptr; }
    void Close();
    // The owner's resistance changed: the pages that show it follow.
    void ShowValueChanged();
    int GetPage() const { return m_nPage; }
    void SelectPage(int nPage);

    // Tab, mnemonics, Enter and Escape, although the loop that runs is the owner's.
    bool PreTranslateMessage(MSG& msg) override;

protected:
    BOOL OnInitDialog() override;
    // Enter in a field would end the window and lose what was typed: the results are live, and
    // a page that has a default button gets the key itself.
    void OnOK() override {}
    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    static const CMessageMap s_messageMap;

private:
    LRESULT OnTabChange();
    void OnDestroy();
    void PlaceWindow(HWND hOwner);

    CAppSettings& m_settings;
    CPageSmd m_pageSmd;
    CPageLed m_pageLed;
    CPageDivider m_pageDivider;
    CPageCombinations m_pageCombinations;
    CPageLabels m_pageLabels;
    // In the order of the tabs.
    const std::array<CCalcPage*, 5> m_pages{&m_pageSmd, &m_pageLed, &m_pageDivider, &m_pageCombinations,
                                            &m_pageLabels};
    int m_nPage = 0;
    // IsDialogMessage hands the message to the same filter hook that called us.
    bool m_bTranslating = false;

    static const CMessageEntry s_messageEntries[];
};
