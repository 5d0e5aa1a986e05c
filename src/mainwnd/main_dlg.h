// The main window: the resistor, its ring selectors, value box and lists, and the side bar.
#pragma once

#include "framework/dialog.h"
#include "framework/handles.h"
#include "framework/layered_window.h"
#include "framework/slider_ctrl.h"
#include "mainwnd/bande_slider.h"
#include "mainwnd/main_side_bar.h"
#include "mainwnd/main_window_host.h"
#include "model/resistor_state.h"
#include "model/series_tables.h"
#include "shell/app_settings.h"

#include <array>
#include <string>

class CMainDlg : public CDialog
{
public:
    // The window reads the ring count and the last state from the settings, and writes its
    // state back into them when it is destroyed.
    CMainDlg(UINT idTemplate, CAppSettings& settings, HWND hParent = nullptr);

    // Without a host the window neither changes the language in force nor replaces itself.
    void SetHost(IMainWindowHost* pHost) { m_pHost = pHost; }
    // The next ApplyInterface(APPLY_ALL) replaces the window for the new language.
    void SetLanguageChanged() { m_bLanguageChanged = true; }
    // Brings the window in line with the interface settings named by what (APPLY_...).
    void ApplyInterface(int what);

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

    // Export of the value and the picture (main_export.cpp).
    std::string GetValueSummary() const;
    // The small picture in the orientation of "Sens affichage"; null when it cannot be made.
    CBitmapHandle RenderResistorBitmap() const;
    // The picture into a bitmap file, without asking where; false when nothing was written.
    bool SavePicture(const char* pszPath) const;
    // On the default printer: 0 the value text, 1 the picture.
    void Print(int nWhat);

protected:
    BOOL OnInitDialog() override;
    bool ProcessMessage(CMessage& msg, LRESULT& result) override;

    // The side bar's three groups and their rows, built anew.
    void BuildSideBar();
    void CaptureWindowState();

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
    LRESULT OnToggleTopmost(CMessage& msg);
    LRESULT OnToggleSideBar(CMessage& msg);
    LRESULT OnStandardValue(CMessage& msg);
    LRESULT OnCalcCommand(CMessage& msg);
    LRESULT OnToolTipText(CMessage& msg);
    LRESULT OnQuit(CMessage& msg);
    LRESULT OnCopyValue(CMessage& msg);
    LRESULT OnCopyPicture(CMessage& msg);
    LRESULT OnSavePicture(CMessage& msg);
    LRESULT OnPrintValue(CMessage& msg);
    LRESULT OnPrintResistor(CMessage& msg);
    LRESULT OnCopyMenu(CMessage& msg);
    LRESULT OnPrintMenu(CMessage& msg);
    // Pop-up menu idMenu at the mouse cursor; its choice comes back as WM_COMMAND.
    void ShowPopupMenu(UINT idMenu);
    LRESULT OnDestroy(CMessage& msg);

    void InitControls();
    void EnableToolTips();
    void AskFirstRun();
    void PlaceWindow();
    // The steps of ApplyInterface; a replaced window is ended and must not be touched after.
    bool ReplaceIfLayoutOrLanguageChanged();
    void ApplyTopmostAndContent();
    void ShowSideBar();
    void ApplyLookAndOpacity();
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
    CLayeredWindow m_layered;
    IMainWindowHost* m_pHost = nullptr;
    // Pixels taken off the window's width while the side bar is hidden.
    int m_nSideBarWidthSaved = 0;
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
    bool m_bLanguageChanged = false;
    // Ended for a new window, which now owns the state in the settings.
    bool m_bReplaced = false;

    static const TMessageEntry<CMainDlg> s_messageMap[];
};
