#include "c_vstgui_timer.h"
#include "timer_driver.h"

#include <gtest/gtest.h>

#include <vector>

using namespace VSTGUI;

namespace
{

struct Recorder : CBaseObject
{
    ManualTimerDriver* clock = nullptr;
    std::vector<uint64_t> ticks;
    CVSTGUITimer* stopAfter = nullptr;
    size_t stopCount = 0;

    CMessageResult notify(CBaseObject*, IdStringPtr message) override
    {
        if (message != CVSTGUITimer::kMsgTimer)
            return kMessageUnknown;
        ticks.push_back(clock->now());
        if (stopAfter && ticks.size() == stopCount)
            stopAfter->stop();
        return kMessageNotified;
    }
};

TEST(TimerDriver, FiresEveryFireTimeOfDrivenTime)
{
    ManualTimerDriver clock;
    ScopedTimerDriver scope(&clock);
    Recorder target;
    target.clock = &clock;
    CVSTGUITimer timer(&target, 50);
    clock.advance(200); // not started yet
    EXPECT_TRUE(target.ticks.empty());
    timer.start();
    clock.advance(175);
    EXPECT_EQ(target.ticks, (std::vector<uint64_t>{250, 300, 350}));
    timer.setFireTime(100);
    clock.advance(200);
    EXPECT_EQ(target.ticks.back(), 575u);
    timer.stop();
    clock.advance(1000);
    EXPECT_EQ(target.ticks.size(), 5u);
}

TEST(TimerDriver, TimerMayStopItselfWhileFiring)
{
    ManualTimerDriver clock;
    ScopedTimerDriver scope(&clock);
    Recorder target;
    target.clock = &clock;
    CVSTGUITimer timer(&target, 10, true);
    target.stopAfter = &timer;
    target.stopCount = 2;
    clock.advance(100);
    EXPECT_EQ(target.ticks, (std::vector<uint64_t>{10, 20}));
    EXPECT_EQ(clock.getNbRunningTimers(), 0u);
}

TEST(TimerDriver, DestroyedTimerLeavesTheDriver)
{
    ManualTimerDriver clock;
    ScopedTimerDriver scope(&clock);
    Recorder target;
    target.clock = &clock;
    {
        CVSTGUITimer timer(&target, 10, true);
        EXPECT_EQ(clock.getNbRunningTimers(), 1u);
    }
    EXPECT_EQ(clock.getNbRunningTimers(), 0u);
    clock.advance(100);
    EXPECT_TRUE(target.ticks.empty());
}

TEST(TimerDriver, TimerMessageHasItsText)
{
    EXPECT_STREQ(CVSTGUITimer::kMsgTimer, "timer fired");
}

} // namespace
