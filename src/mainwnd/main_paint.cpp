// The main window's painting: the whole resistor picture through a paint buffer, and one ring
// straight into the window right after its selector moved.
#include "mainwnd/main_dlg.h"

#include "framework/scopes.h"
#include "framework/offscreen_dc.h"
#include "picture/resistor_picture.h"
#include "res/resource.h"

namespace
{
// The picture follows the layout in use, so that the rings always meet their selectors.
CPictureSettings PictureSettings(const CAppSettings& settings, UINT idTemplate)
{
    return {idTemplate == IDD_MAIN_HORIZONTAL, settings.m_bGradient != FALSE, settings.m_strBackground};
}
} // namespace

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
    DrawResistorPicture(buffer.get(), rcClient, ReadRings(), PictureSettings(m_settings, GetTemplateId()));
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
    const CPictureSettings settings = PictureSettings(m_settings, GetTemplateId());
    DrawRing(hDC, nBande, ReadRings(), settings.bHorizontal, settings.bGradient);
}
