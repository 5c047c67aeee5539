#include "event_list.h"

namespace vst3host
{

using namespace Steinberg;

EventList::EventList(int32 capacity)
{
    events_.reserve(static_cast<size_t>(capacity > 0 ? capacity : 1));
}

int32 PLUGIN_API EventList::getEventCount()
{
    return static_cast<int32>(events_.size());
}

tresult PLUGIN_API EventList::getEvent(int32 index, Vst::Event& e)
{
    if (index < 0 || index >= getEventCount())
        return kInvalidArgument;
    e = events_[static_cast<size_t>(index)];
    return kResultOk;
}

tresult PLUGIN_API EventList::addEvent(Vst::Event& e)
{
    if (events_.size() == events_.capacity())
        return kResultFalse;
    events_.push_back(e);
    return kResultOk;
}

tresult PLUGIN_API EventList::queryInterface(const TUID iid, void** obj)
{
    QUERY_INTERFACE(iid, obj, FUnknown::iid, Vst::IEventList)
    QUERY_INTERFACE(iid, obj, Vst::IEventList::iid, Vst::IEventList)
    *obj = nullptr;
    return kNoInterface;
}

} // namespace vst3host
