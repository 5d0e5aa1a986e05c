// The settings record against the real registry of the test prefix: defaults, what stored texts
// load as, the saved form of every value, and round trips.
#include "settings/app_settings.h"

#include "program_key.h"
#include "window_test.h"

#include <string>
#include <vector>

namespace
{
// Every value in visiting order, with the text its default is saved as.
struct ValueRow
{
    const char* pszSubKey;
    const char* pszName;
    const char* pszDefault;
};

// Octal escapes where a digit or letter follows: \351 is "é", \260 is "°".
// Wine reports Windows 7, which the version table does not know: "Style affichage" is classic.
const ValueRow kValues[] = {
    {kGeneral, "Premier demarrage", "1"},
    {kGeneral, "Nombre bandes", "2"},
    {kGeneral, "Utiliser s\351rie n\2600", "0"},
    {kGeneral, "Utiliser s\351rie n\2601", "1"},
    {kGeneral, "Utiliser s\351rie n\2602", "1"},
    {kGeneral, "Utiliser s\351rie n\2603", "1"},
    {kGeneral, "Utiliser s\351rie n\2604", "0"},
    {kGeneral, "Utiliser s\351rie n\2605", "0"},
    {kGeneral, "Utiliser s\351rie n\2606", "0"},
    {kInterface, "Utiliser d\351grad\351", "1"},
    {kInterface, "Premier plan", "0"},
    {kInterface, "Afficher barre lat\351rale", "1"},
    {kInterface, "Style affichage", "1"},
    {kInterface, "Sens affichage", "1"},
    {kInterface, "Image fond", "D\351faut"},
    {kInterface, "Langue", ""},
    {kInterface, "Transparence", "100"},
    {kLastState, "PosX", "-6500"},
    {kLastState, "PosY", "-6500"},
    {kLastState, "Bande 1", "0"},
    {kLastState, "Bande 2", "0"},
    {kLastState, "Bande 3", "0"},
    {kLastState, "Bande 4", "0"},
    {kLastState, "Bande 5", "0"},
    {kLastState, "Bande 6", "0"},
    {kLastState, "Groupe 1", "1"},
    {kLastState, "Groupe 2", "1"},
    {kLastState, "Groupe 3", "1"},
    {kLastState, "Outils PosX", "-6500"},
    {kLastState, "Outils PosY", "-6500"},
    {kLastState, "Outils page", "0"},
    {kTools, "Mon stock", ""},
    {kTools, "Etiquettes valeurs", "2"},
    {kTools, "Etiquettes de", "10"},
    {kTools, "Etiquettes a", "1M"},
    {kTools, "Etiquettes format", "0"},
    {kTools, "Etiquettes largeur", "60"},
    {kTools, "Etiquettes hauteur", "30"},
};

// The record's fields as texts, in the order of kValues.
std::vector<std::string> FieldTexts(const CAppSettings& s)
{
    std::vector<std::string> texts;
    auto add = [&texts](int n) { texts.push_back(std::to_string(n)); };
    add(s.m_bFirstRun);
    add(s.m_nRingMode);
    for (BOOL b : s.m_bUseSeries)
        add(b);
    add(s.m_bGradient);
    add(s.m_bTopmost);
    add(s.m_bShowSideBar);
    add(s.m_nStyle);
    add(s.m_nOrientation);
    texts.push_back(s.m_strBackground);
    texts.push_back(s.m_strLanguage);
    add(s.m_nTransparency);
    add(s.m_nPosX);
    add(s.m_nPosY);
    for (int n : s.m_nRingPos)
        add(n);
    for (BOOL b : s.m_bGroupOpen)
        add(b);
    add(s.m_nToolsPosX);
    add(s.m_nToolsPosY);
    add(s.m_nToolsPage);
    texts.push_back(s.m_strStock);
    add(s.m_nLabelSource);
    texts.push_back(s.m_strLabelLowest);
    texts.push_back(s.m_strLabelHighest);
    add(s.m_nLabelFormat);
    texts.push_back(s.m_strLabelWidth);
    texts.push_back(s.m_strLabelHeight);
    return texts;
}

std::vector<std::string> DefaultTexts()
{
    std::vector<std::string> texts;
    for (const ValueRow& row : kValues)
        texts.emplace_back(row.pszDefault);
    return texts;
}

std::string WithTerminator(const std::string& text)
{
    return text + '\0';
}

class AppSettingsTest : public CWindowTest
{
protected:
    CProgramKeyGuard m_guard;
    CProgramKeyGuard m_userGuard{HKEY_CURRENT_USER};
};

TEST_F(AppSettingsTest, FirstLoadWithoutKeyKeepsTheDefaultsCreatesTheSubKeysAndWritesNothing)
{
    ASSERT_FALSE(ProgramKeyExists(""));
    CAppSettings settings;
    settings.Load();
    EXPECT_EQ(FieldTexts(settings), DefaultTexts());
    for (const char* pszSubKey : {kGeneral, kInterface, kLastState})
    {
        EXPECT_TRUE(ProgramKeyExists(pszSubKey)) << pszSubKey;
        EXPECT_EQ(CountValues(pszSubKey), 0u) << pszSubKey;
    }
}

struct IntLoadCase
{
    const char* pszSubKey;
    const char* pszName;
    const char* pszStored;
    int (*field)(const CAppSettings&);
    int nLoaded;
};

int RingMode(const CAppSettings& s)
{
    return s.m_nRingMode;
}
int Transparency(const CAppSettings& s)
{
    return s.m_nTransparency;
}

TEST_F(AppSettingsTest, StoredTextsLoadAsNumbers)
{
    const IntLoadCase cases[] = {
        {kGeneral, "Nombre bandes", "7", RingMode, 2},
        {kGeneral, "Nombre bandes", "-1", RingMode, 2},
        {kGeneral, "Nombre bandes", "3", RingMode, 2},
        {kGeneral, "Nombre bandes", "2", RingMode, 2},
        {kGeneral, "Nombre bandes", "1", RingMode, 1},
        {kGeneral, "Nombre bandes", "0", RingMode, 0},
        {kGeneral, "Nombre bandes", "", RingMode, 0},
        {kGeneral, "Nombre bandes", " 1 ring", RingMode, 1},
        {kGeneral, "Nombre bandes", "99999999999", RingMode, 2},
        {kInterface, "Transparence", "abc", Transparency, 0},
        {kInterface, "Transparence", "55%", Transparency, 55},
        {kInterface, "Transparence", "", Transparency, 0},
        {kInterface, "Transparence", "-5", Transparency, -5},
        {kInterface, "Transparence", "250", Transparency, 250},
        {kGeneral, "Premier demarrage", "0", [](const CAppSettings& s) { return s.m_bFirstRun; }, 0},
        {kGeneral, "Utiliser s\351rie n\2606", "1", [](const CAppSettings& s) { return s.m_bUseSeries[6]; },
         1},
        {kInterface, "Sens affichage", "0", [](const CAppSettings& s) { return s.m_nOrientation; }, 0},
        {kInterface, "Style affichage", "0", [](const CAppSettings& s) { return s.m_nStyle; }, 0},
        {kLastState, "PosX", "-6501", [](const CAppSettings& s) { return s.m_nPosX; }, -6501},
        {kLastState, "Bande 6", "7", [](const CAppSettings& s) { return s.m_nRingPos[5]; }, 7},
        {kLastState, "Groupe 3", "0", [](const CAppSettings& s) { return s.m_bGroupOpen[2]; }, 0},
        {kLastState, "Outils page", "2", [](const CAppSettings& s) { return s.m_nToolsPage; }, 2},
        {kLastState, "Outils page", "4", [](const CAppSettings& s) { return s.m_nToolsPage; }, 4},
        {kLastState, "Outils page", "5", [](const CAppSettings& s) { return s.m_nToolsPage; }, 0},
        {kTools, "Etiquettes valeurs", "7", [](const CAppSettings& s) { return s.m_nLabelSource; }, 7},
        {kTools, "Etiquettes valeurs", "8", [](const CAppSettings& s) { return s.m_nLabelSource; }, 2},
        {kTools, "Etiquettes format", "3", [](const CAppSettings& s) { return s.m_nLabelFormat; }, 3},
        {kTools, "Etiquettes format", "-1", [](const CAppSettings& s) { return s.m_nLabelFormat; }, 0},
        {kLastState, "Outils page", "-1", [](const CAppSettings& s) { return s.m_nToolsPage; }, 0},
    };
    for (const IntLoadCase& c : cases)
    {
        StoreRaw(c.pszSubKey, c.pszName, REG_SZ, WithTerminator(c.pszStored));
        CAppSettings settings;
        settings.Load();
        EXPECT_EQ(c.field(settings), c.nLoaded) << c.pszName << " = \"" << c.pszStored << '"';
    }
}

TEST_F(AppSettingsTest, EmptyTextLoadsEmptyWhileMissingTextKeepsTheDefault)
{
    {
        CAppSettings settings;
        settings.Load();
        EXPECT_EQ(settings.m_strBackground, "D\351faut");
    }
    for (const std::string& stored : {std::string(), WithTerminator("")})
    {
        StoreRaw(kInterface, "Image fond", REG_SZ, stored);
        CAppSettings settings;
        settings.Load();
        EXPECT_EQ(settings.m_strBackground, "") << stored.size() << " bytes stored";
    }
}

TEST_F(AppSettingsTest, SaveWritesEveryValueAsTerminatedText)
{
    CAppSettings().Save();
    for (const ValueRow& row : kValues)
    {
        const std::optional<RawValue> value = ReadRaw(row.pszSubKey, row.pszName);
        ASSERT_TRUE(value.has_value()) << row.pszName;
        EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ)) << row.pszName;
        EXPECT_EQ(value->bytes, WithTerminator(row.pszDefault)) << row.pszName;
    }
    EXPECT_EQ(CountValues(kGeneral), 9u);
    EXPECT_EQ(CountValues(kInterface), 8u);
    EXPECT_EQ(CountValues(kLastState), 14u);
    EXPECT_EQ(CountValues(kTools), 7u);
    EXPECT_EQ(CountValues(""), 0u);
}

TEST_F(AppSettingsTest, SaveThenLoadGivesBackEveryField)
{
    CAppSettings saved;
    saved.m_bFirstRun = FALSE;
    saved.m_nRingMode = 0;
    for (size_t i = 0; i < kSeriesCount; ++i)
        saved.m_bUseSeries[i] = i % 2 == 0;
    saved.m_bGradient = FALSE;
    saved.m_bTopmost = TRUE;
    saved.m_bShowSideBar = FALSE;
    saved.m_nStyle = 0;
    saved.m_nOrientation = 0;
    saved.m_strBackground = "C:\\Images\\r\xE9sistance \xB0\xB2.bmp";
    saved.m_strLanguage = "Deutsch (\xD6sterreich)";
    saved.m_nTransparency = 37;
    saved.m_nPosX = -6499;
    saved.m_nPosY = 2147483647;
    for (size_t i = 0; i < kRingSlotCount; ++i)
        saved.m_nRingPos[i] = static_cast<int>(i) + 3;
    saved.m_bGroupOpen[0] = FALSE;
    saved.m_bGroupOpen[2] = FALSE;
    saved.m_nToolsPosX = 120;
    saved.m_nToolsPosY = -40;
    saved.m_nToolsPage = 3;
    saved.m_strStock = "4k7 10k\r\n2,2 r\xE9sistances";
    saved.m_nLabelSource = 7;
    saved.m_nLabelFormat = 3;
    saved.m_strLabelLowest = "4,7";
    saved.m_strLabelHighest = "";
    saved.m_strLabelWidth = "63,5";
    saved.m_strLabelHeight = "38.1";
    saved.Save();

    CAppSettings loaded;
    loaded.Load();
    EXPECT_EQ(FieldTexts(loaded), FieldTexts(saved));
    EXPECT_NE(FieldTexts(loaded), DefaultTexts());
}

TEST_F(AppSettingsTest, SaveStoresTheFieldsUnvalidated)
{
    CAppSettings settings;
    settings.m_nRingMode = 7;
    settings.Save();
    EXPECT_EQ(ReadRaw(kGeneral, "Nombre bandes")->bytes, WithTerminator("7"));
}

TEST_F(AppSettingsTest, StoredPositionNeedsBothCoordinatesAboveTheMarker)
{
    struct Case
    {
        int nX;
        int nY;
        bool bStored;
    };
    const Case cases[] = {
        {-6500, -6500, false}, {-6500, 120, false}, {120, -6500, false},
        {-6499, -6499, true},  {0, 0, true},        {-6501, 10, false},
    };
    for (const Case& c : cases)
    {
        CAppSettings settings;
        settings.m_nPosX = c.nX;
        settings.m_nPosY = c.nY;
        EXPECT_EQ(settings.HasStoredPosition(), c.bStored) << c.nX << ", " << c.nY;
    }
}

TEST_F(AppSettingsTest, KeyThatCannotBeWrittenIsStillReadAndTheUserKeepsTheChanges)
{
    StoreRaw(kInterface, "Sens affichage", REG_SZ, WithTerminator("0"));
    CAppSettings settings;
    {
        CReadOnlyKeyScope readOnly(kInterface);
        settings.Load();
        EXPECT_EQ(settings.m_nOrientation, 0);

        // The machine's key keeps what it held; the values go below HKEY_CURRENT_USER instead.
        settings.m_nOrientation = 1;
        settings.m_nRingMode = 0;
        settings.Save();
        EXPECT_EQ(ReadRaw(kInterface, "Sens affichage")->bytes, WithTerminator("0"));
        EXPECT_EQ(CountValues(kInterface), 1u);
        EXPECT_EQ(ReadRaw(kInterface, "Sens affichage", HKEY_CURRENT_USER)->bytes, WithTerminator("1"));
        EXPECT_EQ(ReadRaw(kInterface, "Transparence", HKEY_CURRENT_USER)->bytes, WithTerminator("100"));
        // A sub key the account may write is written as before, and only there.
        EXPECT_EQ(ReadRaw(kGeneral, "Nombre bandes")->bytes, WithTerminator("0"));
        EXPECT_FALSE(ProgramKeyExists(kGeneral, HKEY_CURRENT_USER));

        CAppSettings again;
        again.Load();
        EXPECT_EQ(again.m_nOrientation, 1);
        EXPECT_EQ(again.m_nRingMode, 0);
    }
    // Writable again: the machine's key gets the value, and the user's copy follows it.
    settings.m_nOrientation = 0;
    settings.Save();
    EXPECT_EQ(ReadRaw(kInterface, "Sens affichage")->bytes, WithTerminator("0"));
    EXPECT_EQ(ReadRaw(kInterface, "Sens affichage", HKEY_CURRENT_USER)->bytes, WithTerminator("0"));
    CAppSettings last;
    last.Load();
    EXPECT_EQ(last.m_nOrientation, 0);
}

TEST_F(AppSettingsTest, WritableKeyLeavesTheUserKeyAlone)
{
    CAppSettings settings;
    settings.Load();
    settings.m_nOrientation = 0;
    settings.Save();
    EXPECT_FALSE(ProgramKeyExists("", HKEY_CURRENT_USER));
}
} // namespace
