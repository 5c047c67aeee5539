#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace VSTGUI
{

class CVSTGUITimer;

// The source of timer ticks. A running timer is registered with the driver that
// was current when it started and unregistered from that same driver.
class ITimerDriver
{
public:
    virtual ~ITimerDriver() = default;
    virtual void timerStarted(CVSTGUITimer* timer) = 0;
    virtual void timerStopped(CVSTGUITimer* timer) = 0;
    // The fire time of a running timer changed.
    virtual void fireTimeChanged(CVSTGUITimer* timer) { (void)timer; }
};

// Selects the driver that timers started from now on use; null selects the default
// driver, a ManualTimerDriver.
void setTimerDriver(ITimerDriver* driver);
ITimerDriver* getTimerDriver();

// A clock that only moves when told to: `advance` fires every timer that falls due,
// in time order (ties in start order). A timer started at time t first fires at
// t + its fire time.
class ManualTimerDriver : public ITimerDriver
{
public:
    ~ManualTimerDriver() override;

    static ManualTimerDriver& defaultDriver();

    void timerStarted(CVSTGUITimer* timer) override;
    void timerStopped(CVSTGUITimer* timer) override;
    void fireTimeChanged(CVSTGUITimer* timer) override;

    void advance(uint64_t milliseconds);
    uint64_t now() const { return currentTime; }
    size_t getNbRunningTimers() const { return entries.size(); }

private:
    struct Entry
    {
        CVSTGUITimer* timer;
        uint64_t due;
        uint64_t order;
    };
    std::vector<Entry> entries;
    uint64_t currentTime{0};
    uint64_t nextOrder{0};
};

// Makes `driver` current for its lifetime and restores the previous one after.
class ScopedTimerDriver
{
public:
    explicit ScopedTimerDriver(ITimerDriver* driver) : previous(getTimerDriver())
    {
        setTimerDriver(driver);
    }
    ~ScopedTimerDriver() { setTimerDriver(previous); }
    ScopedTimerDriver(const ScopedTimerDriver&) = delete;
    ScopedTimerDriver& operator=(const ScopedTimerDriver&) = delete;

private:
    ITimerDriver* previous;
};

} // namespace VSTGUI
