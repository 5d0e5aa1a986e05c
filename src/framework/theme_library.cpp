// Forwarding to the visual-styles library through addresses looked up by name.
#include "framework/theme_library.h"

#include "framework/system_function.h"

namespace
{
// Built before anything runs, without loading: the library comes at the first look or paint.
constinit CThemeLibrary g_themeLibrary;
} // namespace

CThemeLibrary& GetThemeLibrary()
{
    return g_themeLibrary;
}

HMODULE CThemeLibrary::Module() const
{
    if (!m_bLoadTried)
    {
        m_bLoadTried = true;
        m_hModule.reset(::LoadLibraryA(m_pszLibrary));
    }
    return m_hModule.get();
}

namespace
{
// No address is cached: the lookup is cheap next to the drawing it precedes.
template <class Function, class Result, class... Args>
Result CallByName(HMODULE hModule, const char* pszName, Result fallback, Args... args)
{
    const auto function = GetSystemFunction<Function>(hModule, pszName);
    return function != nullptr ? function(args...) : fallback;
}
} // namespace

HTHEME CThemeLibrary::OpenThemeData(HWND hWnd, LPCWSTR pszClassList) const
{
    return CallByName<decltype(&::OpenThemeData)>(Module(), "OpenThemeData", HTHEME{nullptr}, hWnd,
                                                  pszClassList);
}

HRESULT CThemeLibrary::CloseThemeData(HTHEME hTheme) const
{
    return CallByName<decltype(&::CloseThemeData)>(Module(), "CloseThemeData", E_FAIL, hTheme);
}

HRESULT CThemeLibrary::DrawThemeBackground(HTHEME hTheme, HDC hDC, int iPartId, int iStateId,
                                           const RECT* pRect, const RECT* pClipRect) const
{
    return CallByName<decltype(&::DrawThemeBackground)>(Module(), "DrawThemeBackground", E_FAIL, hTheme, hDC,
                                                        iPartId, iStateId, pRect, pClipRect);
}

HRESULT CThemeLibrary::DrawThemeText(HTHEME hTheme, HDC hDC, int iPartId, int iStateId, LPCWSTR pszText,
                                     int iCharCount, DWORD dwTextFlags, DWORD dwTextFlags2,
                                     const RECT* pRect) const
{
    return CallByName<decltype(&::DrawThemeText)>(Module(), "DrawThemeText", E_FAIL, hTheme, hDC, iPartId,
                                                  iStateId, pszText, iCharCount, dwTextFlags, dwTextFlags2,
                                                  pRect);
}

HRESULT CThemeLibrary::GetThemeBackgroundContentRect(HTHEME hTheme, HDC hDC, int iPartId, int iStateId,
                                                     const RECT* pBoundingRect, RECT* pContentRect) const
{
    return CallByName<decltype(&::GetThemeBackgroundContentRect)>(Module(), "GetThemeBackgroundContentRect",
                                                                  E_FAIL, hTheme, hDC, iPartId, iStateId,
                                                                  pBoundingRect, pContentRect);
}

HRESULT CThemeLibrary::GetThemeTextExtent(HTHEME hTheme, HDC hDC, int iPartId, int iStateId, LPCWSTR pszText,
                                          int iCharCount, DWORD dwTextFlags, const RECT* pBoundingRect,
                                          RECT* pExtentRect) const
{
    return CallByName<decltype(&::GetThemeTextExtent)>(Module(), "GetThemeTextExtent", E_FAIL, hTheme, hDC,
                                                       iPartId, iStateId, pszText, iCharCount, dwTextFlags,
                                                       pBoundingRect, pExtentRect);
}

BOOL CThemeLibrary::IsThemeActive() const
{
    return CallByName<decltype(&::IsThemeActive)>(Module(), "IsThemeActive", BOOL{FALSE});
}

BOOL CThemeLibrary::IsAppThemed() const
{
    return CallByName<decltype(&::IsAppThemed)>(Module(), "IsAppThemed", BOOL{FALSE});
}

HRESULT CThemeLibrary::EnableThemeDialogTexture(HWND hWnd, DWORD dwFlags) const
{
    return CallByName<decltype(&::EnableThemeDialogTexture)>(Module(), "EnableThemeDialogTexture", E_FAIL,
                                                             hWnd, dwFlags);
}
