#include "filmstrip_frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
struct FrameCase
{
    double fraction;
    double frameHeight;
    double frameCount;
    double top;
};

TEST(FilmstripFrame, ChoosesTheFrameTopSnappedDownToAWholeFrame)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const FrameCase cases[] = {
        {2.0 / 3.0, 10, 4, 20}, // frame 2 of 4
        {0.5, 10, 4, 10},       // 15 pixels snap down to frame 1
        {0.0, 65, 80, 0},
        {1.0, 65, 80, 5135},         // frame 79
        {52.0 / 80.0, 65, 80, 3315}, // 3337 snaps to frame 51
        {-0.25, 10, 4, 0},           // negative values show the first frame
        {0.7, 0, 4, 0},              // no frame height
        {0.7, 0.5, 4, 0},            // below one pixel: taken as 0
        {nan, 10, 4, 0},
        {inf, 10, 4, 0},
    };
    for (const FrameCase& c : cases)
        EXPECT_EQ(VSTGUI::filmstripFrameTop(c.fraction, c.frameHeight, c.frameCount), c.top)
            << c.fraction << " " << c.frameHeight << " " << c.frameCount;
}
} // namespace
