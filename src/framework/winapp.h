// Application object: start-up, then exit. The program's life is its main dialog, which runs
// its own message loop, so there is none here. Commands that a dialog does not handle go on to
// the one application object.
#pragma once

#include <windows.h>

class CWinApp
{
public:
    CWinApp() { s_pApp = this; }
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp()
    {
        if (s_pApp == this)
            s_pApp = nullptr;
    }

    virtual void InitInstance() = 0;
    virtual int ExitInstance() { return m_nExitCode; }
    int Run()
    {
        InitInstance();
        return ExitInstance();
    }

    // A menu or accelerator command that no window took; true when handled.
    virtual bool OnCmdMsg(UINT) { return false; }

    // The application object, or null outside one.
    static CWinApp* GetApp() { return s_pApp; }

protected:
    int m_nExitCode = 0;

private:
    static inline CWinApp* s_pApp = nullptr;
};
