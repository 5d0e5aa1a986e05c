// The update tool's window: the program and its installed version, and the button that opens
// its download page (Enter), after which the tool's work is done.
#pragma once

#include "framework/dialog.h"
#include "update/update_tool.h"

class CUpdateDlg : public CDialog
{
public:
    explicit CUpdateDlg(const InstalledProgram& program, HWND hParent = nullptr);

protected:
    BOOL OnInitDialog() override;
    // Closes once the shell took the page; otherwise the message has said why and it stays.
    void OnOK() override;

private:
    InstalledProgram m_program;
};
