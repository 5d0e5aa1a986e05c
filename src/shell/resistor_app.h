// The application object: start-up, the main window's run, exit.
#pragma once

#include "framework/winapp.h"
#include "mainwnd/main_window_host.h"
#include "settings/app_settings.h"
#include "shell/language_manager.h"

class CResistorApp : public CWinApp, public IMainWindowHost
{
public:
    void InitInstance() override;
    int ExitInstance() override;
    // Runs one main window on the template of the orientation setting, to its end; a window
    // replaced for a new layout or language runs its successor inside this call.
    void RunMainWindow() override;
    void SelectLanguage(const std::string& strName) override { m_languages.Select(strName); }
    void UnloadLanguage() override { m_languages.Unload(); }
    // The options sheet comes with issue 13; About, the quiz, the update tool and the web page
    // with issue 12. Until then the commands that open them do nothing.
    void ShowOptions(CMainDlg&) override {}
    void ShowAbout(HWND) override {}
    void StartQuiz(HWND) override {}
    void LaunchUpdateTool(HWND) override {}
    void OpenWebPage(HWND) override {}

    // The help commands, which no window answers.
    bool OnCmdMsg(UINT id) override;

    CAppSettings& GetSettings() { return m_settings; }
    CLanguageManager& GetLanguages() { return m_languages; }

private:
    // The help file's index and its topic for the active window: issue 12.
    void OnHelpIndex() {}
    void OnHelp() {}

    // Defaults from construction on, before start-up runs.
    CAppSettings m_settings;
    // Listed once at start-up; a chosen library is released with the application.
    CLanguageManager m_languages;
};
