// Application object: start-up, optional message loop, exit.
#pragma once

#include <windows.h>

class CWinApp
{
public:
    CWinApp() = default;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp() = default;

    // Start-up; false skips the message loop and goes straight to ExitInstance.
    virtual bool InitInstance() = 0;
    virtual int ExitInstance() { return m_nExitCode; }
    int Run();

protected:
    int m_nExitCode = 0;
};
