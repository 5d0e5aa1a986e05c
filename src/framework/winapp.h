// Application object: start-up, then exit. The program's life is its main dialog, which runs
// its own message loop, so there is none here.
#pragma once

#include <windows.h>

class CWinApp
{
public:
    CWinApp() = default;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp() = default;

    virtual void InitInstance() = 0;
    virtual int ExitInstance() { return m_nExitCode; }
    int Run()
    {
        InitInstance();
        return ExitInstance();
    }

protected:
    int m_nExitCode = 0;
};
