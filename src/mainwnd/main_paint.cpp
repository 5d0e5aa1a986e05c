// The main window's painting: the whole resistor picture through a paint buffer, and one ring
// straight into the window right after its selector moved.
#include "mainwnd/main_dlg.h"

#include "framework/scopes.h"
#include "mainwnd/offscreen_dc.h"
#include "mainwnd/resistor_picture.h"
#include "res/resource.h"

#include <optional>

namespace
{
// The picture follows the layout in use, so that the rings always meet their selectors.
CPictureSettings PictureSettings(const CAppSettings& settings, UINT idTemplate)
{
    return {idTemplate == IDD_MAIN_HORIZONTAL, settings.m_bGradient != FALSE, settings.m_strBackground};
}
} // namespace

LRESULT CMainDlg::OnPaint(CMessage&)
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
        return 0;
    }
    COffscreenDC buffer(dc.get());
    DrawResistorPicture(buffer.get(), rcClient, ReadRings(), PictureSettings(m_settings, GetTemplateId()));
    return 0;
}

LRESULT CMainDlg::OnEraseBkgnd(CMessage&)
{
    // The paint covers the whole client area; erasing first would only make it flicker.
    return FALSE;
}

void CMainDlg::DessinerBande(short nBande, HDC hDC)
{
    std::optional<CClientDC> windowDC;
    if (hDC == nullptr)
    {
        windowDC.emplace(m_hWnd);
        hDC = windowDC->get();
    }
    if (hDC == nullptr)
        return;
    const CPictureSettings settings = PictureSettings(m_settings, GetTemplateId());
    DrawRing(hDC, nBande, ReadRings(), settings.bHorizontal, settings.bGradient);
}
