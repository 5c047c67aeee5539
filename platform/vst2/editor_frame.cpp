#include "editor_frame.h"

#include "vst2_opcodes.h"

#include <algorithm>
#include <poll.h>

namespace vst2
{

using namespace Steinberg;

namespace
{

template <typename List, typename Handler> bool contains(const List& list, Handler* handler)
{
    return std::any_of(list.begin(), list.end(),
                       [handler](const auto& entry) { return entry.handler == handler; });
}

} // namespace

void EditorFrame::idle(Clock::time_point now)
{
    // Handlers may unregister themselves or each other from inside a call, so
    // work from a snapshot and skip whatever has left the live list since.
    if (!events_.empty())
    {
        std::vector<EventSource> sources = events_;
        std::vector<pollfd> fds;
        fds.reserve(sources.size());
        for (const EventSource& source : sources)
            fds.push_back(pollfd{source.fd, POLLIN, 0});
        if (poll(fds.data(), fds.size(), 0) > 0)
        {
            for (size_t i = 0; i < sources.size(); ++i)
            {
                if ((fds[i].revents & (POLLIN | POLLHUP | POLLERR)) != 0 &&
                    contains(events_, sources[i].handler))
                    sources[i].handler->onFDIsSet(sources[i].fd);
            }
        }
    }

    std::vector<Linux::ITimerHandler*> due;
    for (Timer& timer : timers_)
    {
        if (timer.due <= now)
        {
            due.push_back(timer.handler);
            // A host that idles late gets one tick, not a burst of catch-up calls.
            timer.due = now + timer.interval;
        }
    }
    for (Linux::ITimerHandler* handler : due)
    {
        if (contains(timers_, handler))
            handler->onTimer();
    }
}

tresult PLUGIN_API EditorFrame::resizeView(IPlugView* view, ViewRect* newSize)
{
    if (!view || !newSize)
        return kInvalidArgument;
    const IntPtr accepted = host_
                                ? host_(effect_, static_cast<std::int32_t>(HostOpcode::sizeWindow),
                                        newSize->getWidth(), newSize->getHeight(), nullptr, 0.0f)
                                : 0;
    if (accepted == 0)
        return kResultFalse;
    view->onSize(newSize);
    return kResultTrue;
}

tresult PLUGIN_API EditorFrame::registerEventHandler(Linux::IEventHandler* handler,
                                                     Linux::FileDescriptor fd)
{
    if (!handler || fd < 0)
        return kInvalidArgument;
    events_.push_back(EventSource{handler, fd});
    return kResultTrue;
}

tresult PLUGIN_API EditorFrame::unregisterEventHandler(Linux::IEventHandler* handler)
{
    const auto removed = std::erase_if(events_, [handler](const EventSource& source)
                                       { return source.handler == handler; });
    return removed > 0 ? kResultTrue : kResultFalse;
}

tresult PLUGIN_API EditorFrame::registerTimer(Linux::ITimerHandler* handler,
                                              Linux::TimerInterval ms)
{
    if (!handler || ms == 0)
        return kInvalidArgument;
    const auto interval = std::chrono::milliseconds(ms);
    timers_.push_back(Timer{handler, interval, Clock::now() + interval});
    return kResultTrue;
}

tresult PLUGIN_API EditorFrame::unregisterTimer(Linux::ITimerHandler* handler)
{
    const auto removed =
        std::erase_if(timers_, [handler](const Timer& timer) { return timer.handler == handler; });
    return removed > 0 ? kResultTrue : kResultFalse;
}

tresult PLUGIN_API EditorFrame::queryInterface(const TUID iid, void** obj)
{
    QUERY_INTERFACE(iid, obj, FUnknown::iid, IPlugFrame)
    QUERY_INTERFACE(iid, obj, IPlugFrame::iid, IPlugFrame)
    QUERY_INTERFACE(iid, obj, Linux::IRunLoop::iid, Linux::IRunLoop)
    *obj = nullptr;
    return kNoInterface;
}

} // namespace vst2
