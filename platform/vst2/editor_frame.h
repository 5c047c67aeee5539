#pragma once

#include "vst2_effect.h"

#include "pluginterfaces/gui/iplugview.h"

#include <chrono>
#include <vector>

namespace vst2
{

// What a VST 3 editor view needs from its host while it sits in a VST 2
// host's window: a frame to ask for a new size, and (on Linux, where there is
// no shared event loop) a run loop for its timers and file descriptors. A VST
// 2 host offers neither; it only calls the editor-idle opcode now and then,
// so the run loop is driven from there by `idle`.
class EditorFrame : public Steinberg::IPlugFrame, public Steinberg::Linux::IRunLoop
{
public:
    using Clock = std::chrono::steady_clock;

    EditorFrame(Effect* effect, HostCallback host) : effect_(effect), host_(host) {}
    virtual ~EditorFrame() = default;

    // Runs the handlers whose descriptor is readable and the timers that are
    // due at `now`. User-interface thread.
    void idle(Clock::time_point now = Clock::now());

    // IPlugFrame: asks the host to resize its window, then tells the view.
    Steinberg::tresult PLUGIN_API resizeView(Steinberg::IPlugView* view,
                                             Steinberg::ViewRect* newSize) override;

    // Linux::IRunLoop
    Steinberg::tresult PLUGIN_API registerEventHandler(
        Steinberg::Linux::IEventHandler* handler, Steinberg::Linux::FileDescriptor fd) override;
    Steinberg::tresult PLUGIN_API
    unregisterEventHandler(Steinberg::Linux::IEventHandler* handler) override;
    Steinberg::tresult PLUGIN_API registerTimer(Steinberg::Linux::ITimerHandler* handler,
                                                Steinberg::Linux::TimerInterval ms) override;
    Steinberg::tresult PLUGIN_API
    unregisterTimer(Steinberg::Linux::ITimerHandler* handler) override;

    // Owned by the wrapper, which outlives every view it attaches.
    Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
    Steinberg::uint32 PLUGIN_API addRef() override { return 1; }
    Steinberg::uint32 PLUGIN_API release() override { return 1; }

private:
    struct Timer
    {
        Steinberg::Linux::ITimerHandler* handler;
        Clock::duration interval;
        Clock::time_point due;
    };
    struct EventSource
    {
        Steinberg::Linux::IEventHandler* handler;
        Steinberg::Linux::FileDescriptor fd;
    };

    Effect* effect_;
    HostCallback host_;
    std::vector<Timer> timers_;
    std::vector<EventSource> events_;
};

} // namespace vst2
