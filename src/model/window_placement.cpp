// The reachable-caption rule for restored window positions.
#include "model/window_placement.h"

#include <algorithm>

bool IsCaptionReachable(long long x, long long y, long long cx, long long cyCaption,
                        const std::vector<PlacementRect>& workAreas)
{
    if (cx <= 0 || cyCaption <= 0)
        return false;
    for (const PlacementRect& area : workAreas)
    {
        const long long areaWidth = area.right - area.left;
        const long long visibleWidth = std::min(x + cx, area.right) - std::max(x, area.left);
        const bool bWholeHeight = y >= area.top && y + cyCaption <= area.bottom;
        const long long needed = cx <= areaWidth ? (cx + 1) / 2 : (areaWidth + 2) / 3;
        if (bWholeHeight && visibleWidth >= needed)
            return true;
    }
    return false;
}
