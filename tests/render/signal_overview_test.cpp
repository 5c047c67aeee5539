#include "signal_overview.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace
{

TEST(SignalOverview, ColumnsHoldEachChannelsExtremesOverTheirSpan)
{
    // 8 frames over 4 columns: two frames per column, channels kept apart.
    render::SignalOverview overview(2, 48000, 8, 4, 8);
    const std::vector<float> frames = {0.1f, -0.1f, 0.5f, 0.0f,  -0.3f, 0.2f, 0.0f,  0.9f,
                                       1.5f, -2.0f, 0.2f, -0.5f, 0.0f,  0.0f, -1.0f, 0.3f};
    overview.add(frames.data(), 3); // blocks need not line up with columns
    overview.add(frames.data() + 6, 5);
    overview.finish();
    EXPECT_FLOAT_EQ(overview.lowest(0, 0), 0.1f);
    EXPECT_FLOAT_EQ(overview.highest(0, 0), 0.5f);
    EXPECT_FLOAT_EQ(overview.lowest(1, 0), -0.1f);
    EXPECT_FLOAT_EQ(overview.highest(1, 1), 0.9f);
    EXPECT_FLOAT_EQ(overview.lowest(1, 2), -2.0f);
    EXPECT_FLOAT_EQ(overview.highest(0, 2), 1.5f);
    EXPECT_FLOAT_EQ(overview.lowest(0, 3), -1.0f);
}

TEST(SignalOverview, SpectrumShowsASineAtItsFrequencyAndLevelAndSilenceElsewhere)
{
    const int rate = 48000;
    const long frames = rate;
    render::SignalOverview overview(1, rate, frames, 10, 120);
    std::vector<float> sine(static_cast<size_t>(frames));
    for (long i = 0; i < frames; ++i)
        sine[static_cast<size_t>(i)] = static_cast<float>(std::sin(2.0 * M_PI * 1000.0 * i / rate));
    for (long at = 0; at < frames; at += 500)
        overview.add(sine.data() + at, std::min(500L, frames - at));
    overview.finish();

    const int row = static_cast<int>(overview.frequencyRow(1000.0));
    for (int column = 1; column < 9; ++column)
    {
        int loudest = 0;
        for (int r = 0; r < overview.rows(); ++r)
            if (overview.level(column, r) > overview.level(column, loudest))
                loudest = r;
        EXPECT_NEAR(loudest, row, 1) << "column " << column;
        EXPECT_NEAR(overview.level(column, loudest), 0.0f, 1.0f);
        EXPECT_LT(overview.level(column, overview.rows() - 1), -80.0f);
    }
}

} // namespace
