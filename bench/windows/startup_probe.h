// Start-up of a whole program: started as a process, timed until its window is shown, painted
// and answering, then closed as the user would and timed until the process has ended.
#pragma once

#include <string>

struct StartupSample
{
    bool bOk = false;
    double msToIdle = 0;
    double msToExit = 0;
    unsigned long exitCode = 0;
    std::string strError;
};

// Every wait is bounded: a program that shows no window within 30 s, or does not end within
// 10 s of WM_CLOSE, is terminated and the sample fails.
StartupSample StartAndClose(const std::string& strExe, const std::string& strArgs,
                            const std::string& strCaption);
