#pragma once

#include "c_base_object.h"

namespace VSTGUI
{

class ITimerDriver;

// A repeating timer that sends `kMsgTimer` to its target object every fire time.
// Ticks come from the current timer driver (see timer_driver.h), so the same timer
// runs on a window system's run loop or on a clock that a tool or test advances.
class CVSTGUITimer : public CBaseObject
{
public:
    // "timer fired"; receivers compare the pointer, not the text.
    static IdStringPtr kMsgTimer;

    CVSTGUITimer(CBaseObject* timerObject, uint32_t fireTime = 100, bool doStart = false);
    ~CVSTGUITimer() override;
    CVSTGUITimer(const CVSTGUITimer&) = delete;
    CVSTGUITimer& operator=(const CVSTGUITimer&) = delete;

    bool start();
    bool stop();
    bool isRunning() const { return driver != nullptr; }
    bool setFireTime(uint32_t newFireTime);
    uint32_t getFireTime() const { return fireTime; }
    CBaseObject* getTarget() const { return timerObject; }

    // Called by the driver on each tick: notifies the target.
    void fire();

    CLASS_METHODS_NOCOPY(CVSTGUITimer, CBaseObject)

private:
    CBaseObject* timerObject;
    uint32_t fireTime;
    ITimerDriver* driver{nullptr};
};

} // namespace VSTGUI
