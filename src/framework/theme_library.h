// The visual-styles library, reached at run time only: the program never links to it, so it
// starts on systems without it, where every operation answers as if no theme were in force.
#pragma once

#include <windows.h>
#include <uxtheme.h>

#include "framework/handles.h"

class CThemeLibrary
{
public:
    // The library is loaded at the first call that needs it; a failure is not an error, the
    // fallbacks then answer. Another library than "UxTheme.dll" proves the fallbacks of names it
    // lacks. Window code runs on one thread, which alone makes that first call.
    constexpr explicit CThemeLibrary(const char* pszLibrary = "UxTheme.dll") : m_pszLibrary(pszLibrary) {}
    CThemeLibrary(const CThemeLibrary&) = delete;
    CThemeLibrary& operator=(const CThemeLibrary&) = delete;

    // Each forwards to the library's function of the same name, looked up at every call.
    // Fallbacks: null handle, E_FAIL, FALSE.
    HTHEME OpenThemeData(HWND hWnd, LPCWSTR pszClassList) const;
    HRESULT CloseThemeData(HTHEME hTheme) const;
    HRESULT DrawThemeBackground(HTHEME hTheme, HDC hDC, int iPartId, int iStateId, const RECT* pRect,
                                const RECT* pClipRect) const;
    HRESULT DrawThemeText(HTHEME hTheme, HDC hDC, int iPartId, int iStateId, LPCWSTR pszText, int iCharCount,
                          DWORD dwTextFlags, DWORD dwTextFlags2, const RECT* pRect) const;
    HRESULT GetThemeBackgroundContentRect(HTHEME hTheme, HDC hDC, int iPartId, int iStateId,
                                          const RECT* pBoundingRect, RECT* pContentRect) const;
    HRESULT GetThemeTextExtent(HTHEME hTheme, HDC hDC, int iPartId, int iStateId, LPCWSTR pszText,
                               int iCharCount, DWORD dwTextFlags, const RECT* pBoundingRect,
                               RECT* pExtentRect) const;
    BOOL IsThemeActive() const;
    BOOL IsAppThemed() const;
    HRESULT EnableThemeDialogTexture(HWND hWnd, DWORD dwFlags) const;

private:
    HMODULE Module() const;

    const char* m_pszLibrary;
    mutable CModuleHandle m_hModule;
    mutable bool m_bLoadTried = false;
};

// The program's one instance, loaded at its first use and freed after the program ends.
CThemeLibrary& GetThemeLibrary();

// A theme's data, closed through the program's instance of the library.
struct CThemeTraits : CNullIsInvalid<HTHEME>
{
    static void Close(HTHEME h) { GetThemeLibrary().CloseThemeData(h); }
};
using CThemeHandle = CHandle<CThemeTraits>;
