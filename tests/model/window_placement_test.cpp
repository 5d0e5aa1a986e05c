// Restored positions: kept only while the title bar can be grasped.
#include "model/window_placement.h"

#include <gtest/gtest.h>

#include <climits>

namespace
{
TEST(WindowPlacementTest, CaptionMustBeWithinReach)
{
    const std::vector<PlacementRect> one = {{0, 0, 1280, 994}};
    const std::vector<PlacementRect> two = {{0, 0, 1280, 994}, {1280, 100, 2560, 1124}};
    struct Case
    {
        long long x;
        long long y;
        bool bReachable;
        const std::vector<PlacementRect>* areas;
    };
    // A 528 x 321 window with a 19-pixel caption.
    const Case cases[] = {
        {100, 100, true, &one},
        {0, 0, true, &one},
        {1279, 1023, false, &one},     // one pixel on screen
        {1280 - 264, 500, true, &one}, // exactly half of the caption
        {1280 - 263, 500, false, &one},
        {-264, 500, true, &one},
        {-265, 500, false, &one},
        {100, -1, false, &one}, // the caption's top above the area
        {100, 994 - 19, true, &one},
        {100, 994 - 18, false, &one},
        {1500, 50, false, &two}, // beside the second monitor's area, above it
        {1500, 150, true, &two},
        {LLONG_MAX / 4, LLONG_MAX / 4, false, &one},
        {-2147483648LL, 2147483647LL, false, &one},
        {100, 100, false, nullptr},
    };
    const std::vector<PlacementRect> none;
    for (const Case& c : cases)
        EXPECT_EQ(IsCaptionReachable(c.x, c.y, 528, 19, c.areas != nullptr ? *c.areas : none), c.bReachable)
            << c.x << ", " << c.y;
    // A window wider than the area needs a third of the area.
    EXPECT_TRUE(IsCaptionReachable(-2000, 10, 3000, 19, one));
    EXPECT_FALSE(IsCaptionReachable(-2600, 10, 3000, 19, one));
    EXPECT_FALSE(IsCaptionReachable(10, 10, 0, 19, one));
}
} // namespace
