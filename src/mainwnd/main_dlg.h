// The main window: the resistor, its ring selectors, value box and lists, and the side bar.
#pragma once

#include "framework/dialog.h"
#include "framework/handles.h"
#include "framework/slider_ctrl.h"
#include "mainwnd/bande_slider.h"
#include "mainwnd/main_side_bar.h"
#include "model/resistor_state.h"
#include "model/series_tables.h"
#include "shell/app_settings.h"

#include <array>
#include <string>

// The settings that decide the side bar's content and look, handed over by the application.
struct CSideBarContent
{
    std::array<bool, 7> bUseSeries{false, true, true, true, false, false, false}; // E3 ... E192
    std::array<bool, 3> bGroupOpen{true, true, true};
    bool bTopmost = false;
    int nStyle = SIDEBAR_STYLE_XP;
};

class CMainDlg : public CDialog
{
public:
    // The window reads the ring count and the last state from the settings, and writes its
    // state back into them when it is destroyed.
    CMainDlg(UINT idTemplate, CAppSettings& settings, HWND hParent = nullptr);

    // Set before the window runs; the side bar is built from it at initialisation.
    void SetSideBarContent(const CSideBarContent& content) { m_sideBarContent = content; }

    // What ApplyValueChange was told changed.
    enum : int
    {
        kChangedValue = 0,
        kChangedTolerance = 1,
        kChangedTempCo = 2,
    };

    double GetValueMilliohms() const;
    void UpdateFromRings();
    void ApplyValueChange(int which);
    void RefreshStandardValues();
    void OnValueTextChanged();
    void ClearCalcResults();
    // Change notifications of the calculator's fields, forwarded by the side bar.
    void OnCalcEditR();
    void OnCalcEditUIP();
    // Paints ring nBande (0 to 5) into hDC, or straight into the window when hDC is null.
    void DessinerBande(short nBande, HDC hDC = nullptr);

protected:
    BOOL OnInitDialog() override;
    bool ProcessMessage(CMessage& msg, LRESULT& result) override;

    // The side bar's three groups and their rows, built anew.
    void BuildSideBar();

private:
    LRESULT OnPaint(CMessage& msg);
    LRESULT OnEraseBkgnd(CMessage& msg);
    LRESULT OnScroll(CMessage& msg);
    LRESULT OnValueEditChange(CMessage& msg);
    LRESULT OnSelChangeUnit(CMessage& msg);
    LRESULT OnSelChangeTolerance(CMessage& msg);
    LRESULT OnSelChangeTempCo(CMessage& msg);
    LRESULT OnUseRings4(CMessage& msg);
    LRESULT OnUseRings5(CMessage& msg);
    LRESULT OnUseRings6(CMessage& msg);
    LRESULT OnStandardValue(CMessage& msg);
    LRESULT OnCalcCommand(CMessage& msg);
    LRESULT OnToolTipText(CMessage& msg);
    LRESULT OnQuit(CMessage& msg);
    LRESULT OnDestroy(CMessage& msg);

    void InitControls();
    void EnableToolTips();
    void PlaceWindow();
    void CaptureWindowState();
    void UseRings(int nRingMode);
    // Selectors and the list of the third digit and the temperature ring follow the ring count.
    void ShowRingControls();
    void InvalidatePicture();
    // The box's value in ohms into the R field, which must not take it for the user's edit.
    void WriteResistanceField();
    ResistorState ReadRings() const;
    int GetComboSel(int id) const;
    std::string GetValueText() const;

    CAppSettings& m_settings;
    CBandeSlider m_Bande1;
    CBandeSlider m_Bande2;
    CBandeSlider m_Bande3;
    CBandeSlider m_Bande4;
    CBandeSlider m_Bande5;
    CBandeSlider m_Bande6;
    // The selectors by ring slot.
    const std::array<CSliderCtrl*, kRingSlotCount> m_bandes{&m_Bande1, &m_Bande2, &m_Bande3,
                                                            &m_Bande4, &m_Bande5, &m_Bande6};
    CMainSideBar m_sideBar;
    CSideBarContent m_sideBarContent;
    CFontHandle m_unitFont;
    // The tooltip window belongs to the dialog and goes with it; the text lives until the next ask.
    HWND m_hToolTip = nullptr;
    std::string m_strToolTip;
    std::wstring m_wstrToolTip;

    std::array<double, kSeriesCount> m_standardValues{};
    bool m_bReactToValueEdit = true;
    bool m_bUpdatingFromRings = false;
    bool m_bCalcBusy = false;
    bool m_bValueFromCalc = false;
    bool m_bInitialising = false;

    static const TMessageEntry<CMainDlg> s_messageMap[];
};
