// The application object: start-up, the main window's run, exit.
#pragma once

#include "framework/winapp.h"

class CResistorApp : public CWinApp
{
public:
    bool InitInstance() override;
    // Runs one main window on the template of the orientation setting, to its end.
    void RunMainWindow();

    UINT GetCurrentLayout() const { return m_nCurrentLayout; }

private:
    UINT m_nCurrentLayout = 0;
};
