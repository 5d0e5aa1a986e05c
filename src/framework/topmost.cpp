// The topmost band for a window that owns pop-ups.
#include "framework/topmost.h"

#include <vector>

namespace
{
struct COwnedPopups
{
    HWND hOwner;
    std::vector<HWND> popups;
};

BOOL CALLBACK CollectOwned(HWND hWnd, LPARAM lParam)
{
    auto& owned = *reinterpret_cast<COwnedPopups*>(lParam);
    if (::GetWindow(hWnd, GW_OWNER) == owned.hOwner)
        owned.popups.push_back(hWnd);
    return TRUE;
}
} // namespace

// Wine moves a window's owned pop-ups (tooltips, a trackbar's tips) along with it and then
// places the window after the last of them, outside the topmost band, while the call reports
// success. The pop-ups are therefore set free for the one call and given back to their owner;
// on Windows this changes nothing that the call would not do anyway.
bool SetWindowTopmost(HWND hWnd, bool bTopmost)
{
    COwnedPopups owned{hWnd, {}};
    ::EnumWindows(CollectOwned, reinterpret_cast<LPARAM>(&owned));
    for (HWND hPopup : owned.popups)
        ::SetWindowLongPtrA(hPopup, GWLP_HWNDPARENT, 0);
    const BOOL bDone = ::SetWindowPos(hWnd, bTopmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                                      SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (HWND hPopup : owned.popups)
        ::SetWindowLongPtrA(hPopup, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(hWnd));
    return bDone != FALSE && ((::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) == bTopmost;
}
