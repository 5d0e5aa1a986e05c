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
    void ShowOptions(CMainDlg& dlg) override;
    void ShowAbout(HWND hOwner) override;
    void StartQuiz(HWND hOwner) override;
    void LaunchUpdateTool(HWND hOwner) override;
    void OpenWebPage(HWND hOwner) override;

    // The help commands, which no window answers.
    bool OnCmdMsg(UINT id) override;

    CAppSettings& GetSettings() { return m_settings; }
    CLanguageManager& GetLanguages() { return m_languages; }

private:
    // Every help request shows the help file's index over the main window.
    void OnHelp();

    // Defaults from construction on, before start-up runs.
    CAppSettings m_settings;
    // Listed once at start-up; a chosen library is released with the application.
    CLanguageManager m_languages;
    // The main window running now; a replaced one runs its successor inside its own run.
    CMainDlg* m_pMainDlg = nullptr;
};
