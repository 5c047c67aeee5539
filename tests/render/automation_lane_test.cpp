#include "automation_lane.h"

#include <gtest/gtest.h>

namespace
{

TEST(AutomationLane, HoldsEndsAndFollowsStraightSegmentsIncludingJumps)
{
    render::AutomationLane lane;
    lane.points = {{1.0, 0.2}, {3.0, 0.6}, {3.0, 1.0}, {4.0, 0.0}};
    const struct
    {
        double seconds;
        double value;
    } cases[] = {
        {0.0, 0.2}, {1.0, 0.2}, {2.0, 0.4}, {2.5, 0.5},
        {3.0, 1.0}, {3.5, 0.5}, {4.0, 0.0}, {9.0, 0.0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(lane.valueAt(c.seconds), c.value, 1e-12) << "at " << c.seconds << " s";
}

} // namespace
