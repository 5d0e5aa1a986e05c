// Window opacity through SetLayeredWindowAttributes, found by name in the user library.
#include "framework/layered_window.h"

namespace
{
using SetLayeredWindowAttributesProc = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
constexpr DWORD kAlphaFlag = 2; // LWA_ALPHA
constexpr unsigned kFullOpacity = 100;
} // namespace

CLayeredWindow::CLayeredWindow() : m_hUser32(::LoadLibraryA("USER32.dll")) {}

void CLayeredWindow::MakeLayered(HWND hWnd)
{
    const LONG exStyle = ::GetWindowLongA(hWnd, GWL_EXSTYLE);
    ::SetWindowLongA(hWnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
}

BOOL CLayeredWindow::SetLayeredAttributes(HWND hWnd, COLORREF crKey, BYTE bAlpha, DWORD dwFlags) const
{
    if (!m_hUser32)
        return TRUE;
    // Looked up at every call: the library is the system's, nothing worth caching.
    const FARPROC proc = ::GetProcAddress(m_hUser32.get(), "SetLayeredWindowAttributes");
    if (proc == nullptr)
        return FALSE;
    // GetProcAddress hands every function back under one type; this one's own is restored.
    const auto setAttributes =
        reinterpret_cast<SetLayeredWindowAttributesProc>(reinterpret_cast<void*>(proc));
    return setAttributes(hWnd, crKey, bAlpha, dwFlags);
}

BOOL CLayeredWindow::SetOpacity(HWND hWnd, BYTE nPercent) const
{
    const unsigned percent = nPercent < kFullOpacity ? nPercent : kFullOpacity;
    return SetLayeredAttributes(hWnd, 0, static_cast<BYTE>(percent * 255 / kFullOpacity), kAlphaFlag);
}
