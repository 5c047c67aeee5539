#include "c_vstgui_timer.h"

#include "timer_driver.h"

namespace VSTGUI
{

IdStringPtr CVSTGUITimer::kMsgTimer = "timer fired";

CVSTGUITimer::CVSTGUITimer(CBaseObject* timerObject, uint32_t fireTime, bool doStart)
    : timerObject(timerObject), fireTime(fireTime)
{
    if (doStart)
        start();
}

CVSTGUITimer::~CVSTGUITimer()
{
    stop();
}

bool CVSTGUITimer::start()
{
    if (driver)
        return false;
    driver = getTimerDriver();
    driver->timerStarted(this);
    return true;
}

bool CVSTGUITimer::stop()
{
    if (!driver)
        return false;
    ITimerDriver* d = driver;
    driver = nullptr;
    d->timerStopped(this);
    return true;
}

bool CVSTGUITimer::setFireTime(uint32_t newFireTime)
{
    if (newFireTime == fireTime)
        return false;
    fireTime = newFireTime;
    if (driver)
        driver->fireTimeChanged(this);
    return true;
}

void CVSTGUITimer::fire()
{
    if (timerObject)
        timerObject->notify(this, kMsgTimer);
}

} // namespace VSTGUI
