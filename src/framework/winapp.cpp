// The application's life: start-up, the message loop when start-up asks for one, exit.
#include "framework/winapp.h"

int CWinApp::Run()
{
    if (InitInstance())
    {
        MSG msg;
        while (::GetMessageA(&msg, nullptr, 0, 0) > 0)
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        m_nExitCode = static_cast<int>(msg.wParam);
    }
    return ExitInstance();
}
