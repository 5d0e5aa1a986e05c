// Side bar control: window class registration.
#include "sidebar/side_bar.h"

namespace
{
void RegisterSideBarClass()
{
    HINSTANCE hInstance = ::GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    if (::GetClassInfoA(hInstance, kSideBarClassName, &wc))
        return;
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    // The behaviour comes from the object that subclasses the window when it is attached.
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInstance;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kSideBarClassName;
    ::RegisterClassA(&wc);
}
} // namespace

CSideBar::CSideBar()
{
    RegisterSideBarClass();
}
