// Window opacity through SetLayeredWindowAttributes, found by name in the user library.
#include "framework/layered_window.h"

#include "framework/system_function.h"

namespace
{
using SetLayeredWindowAttributesProc = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
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
    const auto setAttributes =
        GetSystemFunction<SetLayeredWindowAttributesProc>(m_hUser32.get(), "SetLayeredWindowAttributes");
    return setAttributes != nullptr ? setAttributes(hWnd, crKey, bAlpha, dwFlags) : FALSE;
}

BOOL CLayeredWindow::SetOpacity(HWND hWnd, BYTE nPercent) const
{
    const unsigned percent = nPercent < kFullOpacity ? nPercent : kFullOpacity;
    return SetLayeredAttributes(hWnd, 0, static_cast<BYTE>(percent * 255 / kFullOpacity), LWA_ALPHA);
}
