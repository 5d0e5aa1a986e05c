// The options sheet: "Général" (ring count, series offered), "Interface" (look, orientation,
// language, background, transparency) and "Outils" (the companion tools). Each page fills its
// controls from the settings when first shown and writes them back when the sheet closes with OK.
#pragma once

#include "framework/property_sheet.h"
#include "model/options_rules.h"
#include "settings/app_settings.h"

#include <string>
#include <vector>

class COptionsPage : public CPropertyPage
{
public:
    using CPropertyPage::CPropertyPage;

protected:
    void OnHelp() override;
};

class CPageGeneral : public COptionsPage
{
public:
    explicit CPageGeneral(CAppSettings& settings);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    CAppSettings& m_settings;
    bool m_bInitialising = false;
};

class CPageInterface : public COptionsPage
{
public:
    CPageInterface(CAppSettings& settings, std::vector<std::string> languageNames);

    // The language chosen differs from the one stored: the main window is rebuilt for it.
    bool IsLanguageChanged() const { return m_bLanguageChanged; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    static const CMessageMap s_messageMap;

private:
    void OnNoBackground();
    void OnDefaultBackground();
    void OnBrowse();
    void OnPaint();
    void InvalidatePreview() const;
    RECT PreviewRect() const;

    CAppSettings& m_settings;
    std::vector<std::string> m_languageNames;
    int m_nBackgroundMode = BACKGROUND_NONE;
    std::string m_strBackgroundPath;
    bool m_bLanguageChanged = false;

    static const CMessageEntry s_messageEntries[];
};

class CPageOutils : public COptionsPage
{
public:
    CPageOutils();

protected:
    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    static const CMessageMap s_messageMap;

private:
    void OnRepair();
    void OnUpdate();

    static const CMessageEntry s_messageEntries[];
};

class COptionsDlg : public CPropertySheet
{
public:
    COptionsDlg(HWND hOwner, CAppSettings& settings, std::vector<std::string> languageNames);

    bool IsLanguageChanged() const { return m_pageInterface.IsLanguageChanged(); }

    CPageGeneral m_pageGeneral;
    CPageInterface m_pageInterface;
    CPageOutils m_pageOutils;
};
