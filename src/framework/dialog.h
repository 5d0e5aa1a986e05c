// Dialog boxes from a template, run modally (result from EndDialog) or modelessly.
#pragma once

#include "framework/wnd.h"

class CDialog : public CWnd
{
public:
    explicit CDialog(UINT idTemplate, HWND hParent = nullptr);
    ~CDialog() override;

    INT_PTR DoModal();
    // Modeless: the window lives until EndDialog, DestroyWindow or this object's destruction.
    bool Create(HWND hParent = nullptr);
    void EndDialog(INT_PTR result);

    UINT GetTemplateId() const { return m_nIDTemplate; }

protected:
    // Return TRUE to let the system set the focus.
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    LRESULT DefaultProc(const CMessage& msg) override;

    // Binds the object to its window at WM_INITDIALOG, for a dialog procedure that found it.
    void Attach(HWND hWnd);
    // The tables, then the dialog manager's rules for returning a handled message's result.
    INT_PTR HandleMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    static const CMessageMap s_messageMap;

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL OnInitDialogMessage() { return OnInitDialog(); }
    BOOL OnHelpInfo();
    void OnIdOK() { OnOK(); }
    void OnIdCancel() { OnCancel(); }

    static const CMessageEntry s_messageEntries[];
    UINT m_nIDTemplate;
    HWND m_hParent;
    bool m_bModal = false;
};
