// The main window: the resistor, its ring selectors, value box and lists, and the side bar.
#pragma once

#include "calctools/calc_tools_dlg.h"
#include "calctools/calc_tools_owner.h"
#include "framework/combo_box.h"
#include "framework/dialog.h"
#include "framework/handles.h"
#include "framework/layered_window.h"
#include "framework/slider_ctrl.h"
#include "mainwnd/bande_slider.h"
#include "mainwnd/main_window_host.h"
#include "mainwnd/ring_position_tip.h"
#include "model/main_state.h"
#include "model/resistor_state.h"
#include "model/series_tables.h"
#include "settings/app_settings.h"
#include "sidebar/side_bar.h"

#include <commctrl.h>

#include <array>
#include <string>

// The side bar's groups, by index: standard values, tasks, calculator.
constexpr int kGroupStandard = 0;
constexpr int kGroupTasks = 1;
constexpr int kGroupCalcs = 2;

// What ApplyInterface brings in line with the settings.
enum ApplyWhat : int
{
    APPLY_ALL = 0,
    APPLY_TOPMOST = 1,
    APPLY_SIDEBAR = 3,
};

class CMainDlg : public CDialog, public ICalcToolsOwner
{
public:
    // The window reads the ring count and the last state from the settings, and writes its
    // state back into them when it is destroyed.
    CMainDlg(UINT idTemplate, CAppSettings& settings, HWND hParent = nullptr);

    // Without a host the window neither changes the language in force nor replaces itself.
    void SetHost(IMainWindowHost* pHost) { m_pHost = pHost; }
    // The next ApplyInterface(APPLY_ALL) replaces the window for the new language.
    void SetLanguageChanged() { m_bLanguageChanged = true; }
    // Brings the window in line with the interface settings named by what.
    void ApplyInterface(ApplyWhat what);

    // Writes the standard-value lines and their marks as the state has them, into a side bar
    // that was just built and shows none.
    void RefreshStandardValues();
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

    // The calculation tools window's questions and its results (main_tools.cpp).
    double GetShownMilliohms() const override;
    void UseResistance(double ohms) override;
    CCalcToolsDlg& GetCalcTools() { return m_calcTools; }

    // The accelerators go first, so Ctrl+C in the value box copies the resistance value.
    bool PreTranslateMessage(MSG& msg) override;

protected:
    BOOL OnInitDialog() override;
    // Enter confirms a typed value; it does not end the program.
    void OnOK() override {}
    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    static const CMessageMap s_messageMap;

    // The side bar's three groups and their rows, built anew.
    void BuildSideBar();
    void CaptureWindowState();

private:
    void OnPaint();
    BOOL OnEraseBkgnd(HDC hDC);
    void OnScroll(UINT nCode, UINT nPos, HWND hScrollBar);
    void OnValueEditChange();
    void OnSelChangeUnit();
    void OnSelChangeTolerance();
    void OnSelChangeTempCo();
    void OnUseRings(UINT id);
    void OnToggleTopmost();
    void OnToggleSideBar();
    void OnStandardValue(UINT id);
    void OnCalcCommand(UINT id);
    // A keystroke in a calculator field, whose notification the side bar hands on.
    void OnCalcEdit(UINT idField);
    void OnToolTipTextA(NMTTDISPINFOA& info);
    void OnToolTipTextW(NMTTDISPINFOW& info);
    void OnQuit();
    void OnCopyValue();
    void OnCopyPicture();
    void OnSavePicture();
    void OnPrint(UINT id);
    void OnTaskMenu(UINT id);
    void OnContextMenu(HWND hWnd, POINT ptScreen);
    void OnHotKey(UINT idHotKey);
    void OnOptions();
    void OnQuiz();
    void OnUpdateTool();
    void OnWebPage();
    void OnAbout();
    void OnCalcTools();
    void OnAcceptedCommand() {}
    void OnDestroy();
    // Menu idMenu's pop-up at the screen point, owner-drawn in the look of the settings; its
    // choice comes back as WM_COMMAND. prepare sets the pop-up's checks first.
    template <class Prepare> void ShowMenu(UINT idMenu, POINT ptScreen, Prepare prepare);
    // The tooltip text of a tool, named by its window handle or its identifier, into m_strToolTip.
    void LoadToolTipText(UINT_PTR idFrom, UINT uFlags);

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
    // The state that the user's action led to becomes the window's: shown is the state as the
    // controls show it now (the action's own control already changed), next what must show.
    void Apply(const MainState& shown, MainState next);
    // Sets every control whose part of the state differs, and nothing else. The controls'
    // notifications of these writes are not the user's and are not answered.
    void Render(const MainState& shown, const MainState& next);
    // Selectors and the list of the third digit and the temperature ring follow the ring count.
    void ShowRingControls(int nRingMode);
    void InvalidateRing(size_t slot);
    // The picture's options as the settings and the layout in use give them.
    PictureOptions GetPictureOptions() const;
    int GetComboSel(int id) const { return CComboBox(GetDlgItem(id)).GetCurSel(); }
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
    // The tips the selectors show while dragged.
    std::array<CRingPositionTip, kRingSlotCount> m_positionTips;
    CSideBar m_sideBar;
    CLayeredWindow m_layered;
    IMainWindowHost* m_pHost = nullptr;
    // Pixels taken off the window's width while the side bar is hidden.
    int m_nSideBarWidthSaved = 0;
    CFontHandle m_unitFont;
    // The program's own table, loaded once; a table from a resource is not destroyed.
    HACCEL m_hAccel = nullptr;
    // The tooltip window belongs to the dialog and goes with it; the text lives until the next ask.
    HWND m_hToolTip = nullptr;
    std::string m_strToolTip;
    std::wstring m_wstrToolTip;

    // What the side bar's rows were built from: the same again builds the same rows.
    struct CSideBarContent
    {
        std::array<BOOL, kSeriesCount> useSeries;
        bool bTopmost;
        HINSTANCE hResources;

        bool operator==(const CSideBarContent&) const = default;
    };
    CSideBarContent m_builtContent{};
    // The opacity the window was last given, in percent; -1 before the first.
    int m_nAppliedOpacity = -1;
    // What the window shows: the rings and how they are drawn, the box, the lists, the lines and
    // the calculator. Painting, export and tooltips read it, never the controls.
    MainState m_state;
    // Set while Render writes into the controls.
    bool m_bRendering = false;
    bool m_bInitialising = false;
    bool m_bLanguageChanged = false;
    // Ended for a new window, which now owns the state in the settings.
    bool m_bReplaced = false;
    // Owned by this window: it closes with it.
    CCalcToolsDlg m_calcTools;

    static const CMessageEntry s_messageEntries[];
};
