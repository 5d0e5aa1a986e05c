// The program's settings and the main window's remembered state, kept in the registry between
// runs: loaded once at start-up, saved once at exit, read and changed in memory in between.
#pragma once

#include <windows.h>

#include "model/interface_look.h"
#include "model/resistor_state.h"
#include "model/series_tables.h"
#include "settings/registry_settings.h"

#include <string>

constexpr const char* kAppRegistryRoot = "Software\\Apps QZN\\Vantrel\\Version 2.0";

// "Sens affichage": any other value lays the resistor vertically.
constexpr int kOrientationHorizontal = 1;

// "PosX" and "PosY" of a window whose position was never stored.
constexpr int kNoStoredPosition = -6500;

// The side bar's groups whose open state is kept.
constexpr int kGroupOpenCount = 3;

class CAppSettings : public CRegistrySettings
{
public:
    CAppSettings();

    void Exchange() override;
    void SetDefaults() override;
    void Validate() override;

    // Only a position above -6500 on both axes was stored; otherwise the window is centred.
    bool HasStoredPosition() const { return m_nPosX > kNoStoredPosition && m_nPosY > kNoStoredPosition; }

    BOOL m_bFirstRun;
    // 0, 1, 2: 4, 5 or 6 rings.
    int m_nRingMode;
    // E3, E6, E12, E24, E48, E96, E192.
    BOOL m_bUseSeries[kSeriesCount];
    BOOL m_bGradient;
    BOOL m_bTopmost;
    BOOL m_bShowSideBar;
    int m_nStyle;
    int m_nOrientation;
    // Empty: no picture; "Défaut": the built-in one; otherwise a bitmap file's path.
    std::string m_strBackground;
    // Display name of a language library; empty: the built-in language.
    std::string m_strLanguage;
    // Opacity in percent.
    int m_nTransparency;
    int m_nPosX;
    int m_nPosY;
    int m_nRingPos[kRingSlotCount];
    BOOL m_bGroupOpen[kGroupOpenCount];
    // The calculation tools window: its place ("Outils PosX", "Outils PosY", kNoStoredPosition
    // when never stored), its last page, and the user's stock list of values.
    int m_nToolsPosX;
    int m_nToolsPosY;
    int m_nToolsPage;
    std::string m_strStock;
    // The label sheet page's choices: the source (E3 to E192, then the stock) and its range as
    // typed, the format (the sheets, then a custom size) and the custom size in millimetres.
    int m_nLabelSource;
    int m_nLabelFormat;
    std::string m_strLabelLowest;
    std::string m_strLabelHighest;
    std::string m_strLabelWidth;
    std::string m_strLabelHeight;
    // Not stored: the tools window was open when the main window was replaced, and the new one
    // opens it again.
    bool m_bToolsReopen = false;
};

// The visual-styles look where the system is recent enough to have it and it is in force, the
// classic look otherwise. Older systems are not asked, so their library is never loaded.
int DefaultInterfaceStyle(int nWindowsCode);
