// What the main window asks of the application that runs it: the language library in force,
// and a new main window in its place.
#pragma once

#include <string>

class IMainWindowHost
{
public:
    // An empty, built-in or unknown name puts the program's own resources in force.
    virtual void SelectLanguage(const std::string& strName) = 0;
    virtual void UnloadLanguage() = 0;
    // Runs a main window on the template of the orientation setting, to its end.
    virtual void RunMainWindow() = 0;

protected:
    ~IMainWindowHost() = default;
};
