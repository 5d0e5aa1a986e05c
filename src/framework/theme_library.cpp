// Forwarding to the visual-styles library through addresses looked up by name.
#include "framework/theme_library.h"

#include "framework/system_function.h"

CThemeLibrary& GetThemeLibrary()
{
    // Loaded at the first look or paint that asks, not while the program's statics are built.
    static CThemeLibrary s_library;
    return s_library;
}

CThemeLibrary::CThemeLibrary() : CThemeLibrary("UxTheme.dll") {}

CThemeLibrary::CThemeLibrary(const char* pszLibrary) : m_hModule(::LoadLibraryA(pszLibrary)) {}

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
    return CallByName<decltype(&::OpenThemeData)>(m_hModule.get(), "OpenThemeData", HTHEME{nullptr}, hWnd,
                                                  pszClassList);
}

HRESULT CThemeLibrary::CloseThemeData(HTHEME hTheme) const
{
    return CallByName<decltype(&::CloseThemeData)>(m_hModule.get(), "CloseThemeData", E_FAIL, hTheme);
}

HRESULT CThemeLibrary::DrawThemeBackground(HTHEME hTheme, HDC hDC, int iPartId, int iStateId,
                                           const RECT* pRect, const RECT* pClipRect) const
{
    return CallByName<decltype(&::DrawThemeBackground)>(m_hModule.get(), "DrawThemeBackground", E_FAIL,
                                                        hTheme, hDC, iPartId, iStateId, pRect, pClipRect);
}

HRESULT CThemeLibrary::DrawThemeText(HTHEME hTheme, HDC hDC, int iPartId, int iStateId, LPCWSTR pszText,
                                     int iCharCount, DWORD dwTextFlags, DWORD dwTextFlags2,
                                     const RECT* pRect) const
{
    return CallByName<decltype(&::DrawThemeText)>(m_hModule.get(), "DrawThemeText", E_FAIL, hTheme, hDC,
                                                  iPartId, iStateId, pszText, iCharCount, dwTextFlags,
                                                  dwTextFlags2, pRect);
}

HRESULT CThemeLibrary::GetThemeBackgroundContentRect(HTHEME hTheme, HDC hDC, int iPartId, int iStateId,
                                                     const RECT* pBoundingRect, RECT* pContentRect) const
{
    return CallByName<decltype(&::GetThemeBackgroundContentRect)>(
        m_hModule.get(), "GetThemeBackgroundContentRect", E_FAIL, hTheme, hDC, iPartId, iStateId,
        pBoundingRect, pContentRect);
}

HRESULT CThemeLibrary::GetThemeTextExtent(HTHEME hTheme, HDC hDC, int iPartId, int iStateId, LPCWSTR pszText,
                                          int iCharCount, DWORD dwTextFlags, const RECT* pBoundingRect,
                                          RECT* pExtentRect) const
{
    return CallByName<decltype(&::GetThemeTextExtent)>(m_hModule.get(), "GetThemeTextExtent", E_FAIL, hTheme,
                                                       hDC, iPartId, iStateId, pszText, iCharCount,
                                                       dwTextFlags, pBoundingRect, pExtentRect);
}

BOOL CThemeLibrary::IsThemeActive() const
{
    return CallByName<decltype(&::IsThemeActive)>(m_hModule.get(), "IsThemeActive", BOOL{FALSE});
}

BOOL CThemeLibrary::IsAppThemed() const
{
    return CallByName<decltype(&::IsAppThemed)>(m_hModule.get(), "IsAppThemed", BOOL{FALSE});
}
