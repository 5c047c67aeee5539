#include "timer_driver.h"

#include "c_vstgui_timer.h"

#include <algorithm>

namespace VSTGUI
{
namespace
{
ITimerDriver* currentDriver = nullptr;
} // namespace

void setTimerDriver(ITimerDriver* driver)
{
    currentDriver = driver;
}

ITimerDriver* getTimerDriver()
{
    return currentDriver ? currentDriver : &ManualTimerDriver::defaultDriver();
}

ManualTimerDriver& ManualTimerDriver::defaultDriver()
{
    static ManualTimerDriver driver;
    return driver;
}

ManualTimerDriver::~ManualTimerDriver() = default;

void ManualTimerDriver::timerStarted(CVSTGUITimer* timer)
{
    timerStopped(timer);
    entries.push_back(
        {timer, currentTime + std::max<uint32_t>(1, timer->getFireTime()), nextOrder++});
}

void ManualTimerDriver::timerStopped(CVSTGUITimer* timer)
{
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [timer](const Entry& e) { return e.timer == timer; }),
                  entries.end());
}

void ManualTimerDriver::fireTimeChanged(CVSTGUITimer* timer)
{
    for (Entry& e : entries)
    {
        if (e.timer == timer)
            e.due = currentTime + std::max<uint32_t>(1, timer->getFireTime());
    }
}

// A fired timer may stop or start timers (its own included), so the table is searched
// afresh before every tick instead of being iterated.
void ManualTimerDriver::advance(uint64_t milliseconds)
{
    const uint64_t target = currentTime + milliseconds;
    while (true)
    {
        auto next = entries.end();
        for (auto it = entries.begin(); it != entries.end(); ++it)
        {
            if (it->due <= target && (next == entries.end() || it->due < next->due ||
                                      (it->due == next->due && it->order < next->order)))
                next = it;
        }
        if (next == entries.end())
            break;
        currentTime = next->due;
        CVSTGUITimer* timer = next->timer;
        next->due += std::max<uint32_t>(1, timer->getFireTime());
        timer->fire();
    }
    currentTime = target;
}

} // namespace VSTGUI
