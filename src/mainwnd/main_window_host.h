// What the main window asks of the application that runs it: the language library in force, a
// new main window in its place, and the windows and programs that the shell provides.
#pragma once

#include <windows.h>

#include <string>

class CMainDlg;

class IMainWindowHost
{
public:
    // An empty, built-in or unknown name puts the program's own resources in force.
    virtual void SelectLanguage(const std::string& strName) = 0;
    virtual void UnloadLanguage() = 0;
    // Runs a main window on the template of the orientation setting, to its end.
    virtual void RunMainWindow() = 0;

    // The options sheet over the main window, which applies what it changed.
    virtual void ShowOptions(CMainDlg& dlg) = 0;
    virtual void ShowAbout(HWND hOwner) = 0;
    virtual void StartQuiz(HWND hOwner) = 0;
    virtual void LaunchUpdateTool(HWND hOwner) = 0;
    virtual void OpenWebPage(HWND hOwner) = 0;

protected:
    ~IMainWindowHost() = default;
};
