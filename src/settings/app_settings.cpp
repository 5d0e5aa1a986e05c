// The settings record: its registry values, their defaults and the range of a loaded ring mode.
#include "settings/app_settings.h"

#include "framework/theme_library.h"
#include "model/picture_options.h"
#include "model/windows_version.h"
#include "settings/windows_version_query.h"

#include <string>

namespace
{
constexpr const char* kGeneral = "Générale";
constexpr const char* kInterface = "Interface";
constexpr const char* kLastState = "Dernier état";
constexpr const char* kTools = "Outils";
// The pages of the calculation tools window: markings, LED, divider, combinations, labels.
constexpr int kLastToolsPage = 4;
// The label page's lists: E3 to E192 and the stock; three sheets and a custom size. An
// assortment usually holds E12 from 10 Ohms to 1 MOhms.
constexpr int kLastLabelSource = static_cast<int>(kSeriesCount);
constexpr int kLastLabelFormat = 3;
constexpr int kDefaultLabelSource = 2;

constexpr BOOL kDefaultUseSeries[kSeriesCount] = {FALSE, TRUE, TRUE, TRUE, FALSE, FALSE, FALSE};
constexpr int kLastRingMode = 2;

// "Bande 1", "Utiliser série n°0": the numbered names of array fields.
std::string NumberedName(const char* pszStem, size_t n)
{
    return pszStem + std::to_string(n);
}
} // namespace

CAppSettings::CAppSettings() : CRegistrySettings(kAppRegistryRoot)
{
    SetDefaults();
}

void CAppSettings::Exchange()
{
    ExchangeInt(kGeneral, "Premier demarrage", m_bFirstRun);
    ExchangeInt(kGeneral, "Nombre bandes", m_nRingMode);
    for (size_t i = 0; i < kSeriesCount; ++i)
        ExchangeInt(kGeneral, NumberedName("Utiliser série n°", i).c_str(), m_bUseSeries[i]);
    ExchangeInt(kInterface, "Utiliser dégradé", m_bGradient);
    ExchangeInt(kInterface, "Premier plan", m_bTopmost);
    ExchangeInt(kInterface, "Afficher barre latérale", m_bShowSideBar);
    ExchangeInt(kInterface, "Style affichage", m_nStyle);
    ExchangeInt(kInterface, "Sens affichage", m_nOrientation);
    ExchangeText(kInterface, "Image fond", m_strBackground);
    ExchangeText(kInterface, "Langue", m_strLanguage);
    ExchangeInt(kInterface, "Transparence", m_nTransparency);
    ExchangeInt(kLastState, "PosX", m_nPosX);
    ExchangeInt(kLastState, "PosY", m_nPosY);
    for (size_t i = 0; i < kRingSlotCount; ++i)
        ExchangeInt(kLastState, NumberedName("Bande ", i + 1).c_str(), m_nRingPos[i]);
    for (size_t i = 0; i < kGroupOpenCount; ++i)
        ExchangeInt(kLastState, NumberedName("Groupe ", i + 1).c_str(), m_bGroupOpen[i]);
    ExchangeInt(kLastState, "Outils PosX", m_nToolsPosX);
    ExchangeInt(kLastState, "Outils PosY", m_nToolsPosY);
    ExchangeInt(kLastState, "Outils page", m_nToolsPage);
    ExchangeText(kTools, "Mon stock", m_strStock);
    ExchangeInt(kTools, "Etiquettes valeurs", m_nLabelSource);
    ExchangeText(kTools, "Etiquettes de", m_strLabelLowest);
    ExchangeText(kTools, "Etiquettes a", m_strLabelHighest);
    ExchangeInt(kTools, "Etiquettes format", m_nLabelFormat);
    ExchangeText(kTools, "Etiquettes largeur", m_strLabelWidth);
    ExchangeText(kTools, "Etiquettes hauteur", m_strLabelHeight);
}

void CAppSettings::SetDefaults()
{
    m_bFirstRun = TRUE;
    m_nRingMode = kLastRingMode;
    for (size_t i = 0; i < kSeriesCount; ++i)
        m_bUseSeries[i] = kDefaultUseSeries[i];
    m_bGradient = TRUE;
    m_bTopmost = FALSE;
    m_bShowSideBar = TRUE;
    m_nStyle = DefaultInterfaceStyle(GetWindowsVersion().nCode);
    m_nOrientation = kOrientationHorizontal;
    m_strBackground = kDefaultBackground;
    m_strLanguage.clear();
    m_nTransparency = 100;
    m_nPosX = kNoStoredPosition;
    m_nPosY = kNoStoredPosition;
    for (int& nPos : m_nRingPos)
        nPos = 0;
    for (BOOL& bOpen : m_bGroupOpen)
        bOpen = TRUE;
    m_nToolsPosX = kNoStoredPosition;
    m_nToolsPosY = kNoStoredPosition;
    m_nToolsPage = 0;
    m_strStock.clear();
    m_nLabelSource = kDefaultLabelSource;
    m_nLabelFormat = 0;
    m_strLabelLowest = "10";
    m_strLabelHighest = "1M";
    m_strLabelWidth = "60";
    m_strLabelHeight = "30";
}

void CAppSettings::Validate()
{
    // Taken as unsigned, so that negative modes become the last one too.
    if (static_cast<unsigned>(m_nRingMode) > static_cast<unsigned>(kLastRingMode))
        m_nRingMode = kLastRingMode;
    if (static_cast<unsigned>(m_nToolsPage) > static_cast<unsigned>(kLastToolsPage))
        m_nToolsPage = 0;
    if (static_cast<unsigned>(m_nLabelSource) > static_cast<unsigned>(kLastLabelSource))
        m_nLabelSource = kDefaultLabelSource;
    if (static_cast<unsigned>(m_nLabelFormat) > static_cast<unsigned>(kLastLabelFormat))
        m_nLabelFormat = 0;
}

int DefaultInterfaceStyle(int nWindowsCode)
{
    if (nWindowsCode < kFirstVisualStylesWindowsCode)
        return kStyleClassic;
    return GetThemeLibrary().IsThemeActive() ? kStyleVisualStyles : kStyleClassic;
}
