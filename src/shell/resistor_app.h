// The application object: start-up, the main window's run, exit.
#pragma once

#include "framework/winapp.h"
#include "mainwnd/main_dlg.h"
#include "shell/app_settings.h"
#include "shell/language_manager.h"

class CResistorApp : public CWinApp
{
public:
    bool InitInstance() override;
    int ExitInstance() override;
    // Runs one main window on the template of the orientation setting, to its end.
    void RunMainWindow();

    UINT GetCurrentLayout() const { return m_nCurrentLayout; }

private:
    // Defaults from construction on, before start-up runs.
    CAppSettings m_settings;
    // Listed once at start-up; a chosen library is released with the application.
    CLanguageManager m_languages;
    UINT m_nCurrentLayout = 0;
};

// The side bar's content and look as the settings ask for them.
CSideBarContent MakeSideBarContent(const CAppSettings& settings);
