#include "framework/monitor_areas.h"

#include <windows.h>

std::vector<PlacementRect> MonitorWorkAreas()
{
    std::vector<PlacementRect> workAreas;
    ::EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR hMonitor, HDC, LPRECT, LPARAM lParam) -> BOOL
        {
            MONITORINFO info{};
            info.cbSize = sizeof info;
            if (::GetMonitorInfoA(hMonitor, &info))
                reinterpret_cast<std::vector<PlacementRect>*>(lParam)->push_back(
                    {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom});
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&workAreas));
    return workAreas;
}
