// The main window's painting: the whole resistor picture through a paint buffer, and one ring
// straight into the window right after its selector moved.
#include "mainwnd/main_dlg.h"

#include "framework/scopes.h"
#include "framework/offscreen_dc.h"
#include "picture/resistor_picture.h"
#include "res/resource.h"

// The picture follows the layout in use, so that the rings always meet their selectors.
PictureOptions CMainDlg::GetPictureOptions() const
{
    return {GetTemplateId() == IDD_MAIN_HORIZONTAL, m_settings.m_bGradient != FALSE,
            m_settings.m_strBackground};
}

void CMainDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    RECT rcClient{};
    ::GetClientRect(m_hWnd, &rcClient);
    if (::IsIconic(m_hWnd))
    {
        ::SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0);
        const int x = (rcClient.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (rcClient.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
        ::DrawIcon(dc.get(), x, y, ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
        return;
    }
    COffscreenDC buffer(dc.get());
    DrawResistorPicture(buffer.get(), rcClient, m_state.rings, m_state.picture);
}

BOOL CMainDlg::OnEraseBkgnd(HDC)
{
    // The paint covers the whole client area; erasing first would only make it flicker.
    return FALSE;
}

void CMainDlg::DessinerBande(short nBande, HDC hDC)
{
    if (hDC == nullptr)
    {
        const CClientDC windowDC(m_hWnd);
        if (windowDC.get() != nullptr)
            DessinerBande(nBande, windowDC.get());
        return;
    }
    DrawRing(hDC, nBande, m_state.rings, m_state.picture.horizontal, m_state.picture.gradient);
}
