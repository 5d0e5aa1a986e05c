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
    bool IsModal() const { return m_bModal; }

protected:
    // Return TRUE to let the system set the focus.
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    bool ProcessMessage(CMessage& msg, LRESULT& result) override;
    LRESULT DefaultProc(const CMessage& msg) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnInitDialogMessage(CMessage& msg);
    LRESULT OnIdOK(CMessage& msg);
    LRESULT OnIdCancel(CMessage& msg);

    static const TMessageEntry<CDialog> s_messageMap[];
    UINT m_nIDTemplate;
    HWND m_hParent;
    bool m_bModal = false;
};
