// Whether a stored window position may be used again: the title bar must stay within reach.
#pragma once

#include <vector>

struct PlacementRect
{
    long long left;
    long long top;
    long long right;
    long long bottom;
};

// True when, on one work area, the whole height of the title bar and at least half of its width
// (a third of it for windows wider than the area) are visible, so the caption and its buttons
// can be grasped. Coordinates may be anything a registry value holds.
bool IsCaptionReachable(long long x, long long y, long long cx, long long cyCaption,
                        const std::vector<PlacementRect>& workAreas);
