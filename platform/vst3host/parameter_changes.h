#pragma once

#include "parameter_value_queue.h"

#include "pluginterfaces/vst/ivstparameterchanges.h"

#include <vector>

namespace vst3host
{

// The parameter changes of one block: up to `maxParameters` queues of up to
// `maxPoints` points each, all allocated at construction. `clear` empties the
// list for the next block without freeing anything. Owned by the host, so
// reference counting is a no-op.
class ParameterChanges : public Steinberg::Vst::IParameterChanges
{
public:
    ParameterChanges(Steinberg::int32 maxParameters, Steinberg::int32 maxPoints);
    virtual ~ParameterChanges() = default;

    void clear() { used_ = 0; }

    // Host-side shortcut: appends one point to the queue of `id`.
    bool addPoint(Steinberg::Vst::ParamID id, Steinberg::int32 sampleOffset,
                  Steinberg::Vst::ParamValue value);

    // The queue of `id` in this block, or null when there is none.
    ParameterValueQueue* find(Steinberg::Vst::ParamID id);

    Steinberg::int32 PLUGIN_API getParameterCount() override { return used_; }
    Steinberg::Vst::IParamValueQueue* PLUGIN_API getParameterData(Steinberg::int32 index) override;
    Steinberg::Vst::IParamValueQueue* PLUGIN_API addParameterData(const Steinberg::Vst::ParamID& id,
                                                                  Steinberg::int32& index) override;

    Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
    Steinberg::uint32 PLUGIN_API addRef() override { return 1; }
    Steinberg::uint32 PLUGIN_API release() override { return 1; }

private:
    std::vector<ParameterValueQueue> queues_;
    Steinberg::int32 used_ = 0;
};

} // namespace vst3host
