#pragma once

#include "pluginterfaces/vst/ivstparameterchanges.h"

#include <vector>

namespace vst3host
{

// The points of one parameter within one block. Storage is reserved up front
// so adding points while processing never allocates; points beyond the
// capacity are refused. Owned by the host, so reference counting is a no-op.
class ParameterValueQueue : public Steinberg::Vst::IParamValueQueue
{
public:
    explicit ParameterValueQueue(Steinberg::int32 capacity);
    virtual ~ParameterValueQueue() = default;

    void reset(Steinberg::Vst::ParamID id);

    Steinberg::Vst::ParamID PLUGIN_API getParameterId() override { return id_; }
    Steinberg::int32 PLUGIN_API getPointCount() override;
    Steinberg::tresult PLUGIN_API getPoint(Steinberg::int32 index, Steinberg::int32& sampleOffset,
                                           Steinberg::Vst::ParamValue& value) override;
    Steinberg::tresult PLUGIN_API addPoint(Steinberg::int32 sampleOffset,
                                           Steinberg::Vst::ParamValue value,
                                           Steinberg::int32& index) override;

    Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
    Steinberg::uint32 PLUGIN_API addRef() override { return 1; }
    Steinberg::uint32 PLUGIN_API release() override { return 1; }

private:
    struct Point
    {
        Steinberg::int32 offset;
        Steinberg::Vst::ParamValue value;
    };
    Steinberg::Vst::ParamID id_ = 0;
    std::vector<Point> points_;
};

} // namespace vst3host
