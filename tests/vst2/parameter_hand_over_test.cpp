#include "vst2/parameter_hand_over.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace
{

using Taken = std::vector<std::pair<std::size_t, float>>;

Taken drainProcessor(vst2::ParameterHandOver& values)
{
    Taken taken;
    values.drainForProcessor([&](std::size_t i, float v) { taken.emplace_back(i, v); });
    return taken;
}

Taken drainController(vst2::ParameterHandOver& values)
{
    Taken taken;
    values.drainForController([&](std::size_t i, float v) { taken.emplace_back(i, v); });
    return taken;
}

TEST(ParameterHandOver, EachSourceReachesOnlyTheOtherSide)
{
    vst2::ParameterHandOver values;
    values.reset(3);
    values.setFromHost(0, 0.1f);
    values.setFromController(1, 0.2f);
    values.setFromProcessor(2, 0.3f);
    EXPECT_EQ(drainProcessor(values), (Taken{{0, 0.1f}, {1, 0.2f}}));
    EXPECT_EQ(drainController(values), (Taken{{0, 0.1f}, {2, 0.3f}}));
    EXPECT_TRUE(drainProcessor(values).empty());
    EXPECT_TRUE(drainController(values).empty());
}

TEST(ParameterHandOver, ReplaceDropsPendingChanges)
{
    vst2::ParameterHandOver values;
    values.reset(1);
    values.setFromHost(0, 0.1f);
    values.replace(0, 0.7f);
    EXPECT_EQ(values.value(0), 0.7f);
    EXPECT_TRUE(drainProcessor(values).empty());
    EXPECT_TRUE(drainController(values).empty());
}

// One thread sets a rising value while another drains: the drain never goes
// backwards and the last value always arrives.
TEST(ParameterHandOver, ConcurrentDrainNeverLosesTheLastValue)
{
    vst2::ParameterHandOver values;
    values.reset(1);
    constexpr int kSteps = 20000;
    std::atomic<bool> done{false};
    float seen = -1.0f;
    bool rising = true;
    std::thread audio(
        [&]
        {
            auto take = [&](std::size_t, float v)
            {
                rising = rising && v >= seen;
                seen = v;
            };
            while (!done.load())
                values.drainForProcessor(take);
            values.drainForProcessor(take);
        });
    for (int i = 0; i <= kSteps; ++i)
        values.setFromHost(0, static_cast<float>(i) / kSteps);
    done.store(true);
    audio.join();
    EXPECT_TRUE(rising);
    EXPECT_EQ(seen, 1.0f);
}

} // namespace
