#pragma once

#include "pluginterfaces/vst/ivstevents.h"

#include <vector>

namespace vst3host
{

// Events of one block, up to a fixed capacity reserved at construction.
// Owned by the host, so reference counting is a no-op.
class EventList : public Steinberg::Vst::IEventList
{
public:
    explicit EventList(Steinberg::int32 capacity);
    virtual ~EventList() = default;

    void clear() { events_.clear(); }

    Steinberg::int32 PLUGIN_API getEventCount() override;
    Steinberg::tresult PLUGIN_API getEvent(Steinberg::int32 index,
                                           Steinberg::Vst::Event& e) override;
    Steinberg::tresult PLUGIN_API addEvent(Steinberg::Vst::Event& e) override;

    Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
    Steinberg::uint32 PLUGIN_API addRef() override { return 1; }
    Steinberg::uint32 PLUGIN_API release() override { return 1; }

private:
    std::vector<Steinberg::Vst::Event> events_;
};

} // namespace vst3host
