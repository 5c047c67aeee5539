#include "parameter_value_queue.h"

namespace vst3host
{

using namespace Steinberg;

ParameterValueQueue::ParameterValueQueue(int32 capacity)
{
    points_.reserve(static_cast<size_t>(capacity > 0 ? capacity : 1));
}

void ParameterValueQueue::reset(Vst::ParamID id)
{
    id_ = id;
    points_.clear();
}

int32 PLUGIN_API ParameterValueQueue::getPointCount()
{
    return static_cast<int32>(points_.size());
}

tresult PLUGIN_API ParameterValueQueue::getPoint(int32 index, int32& sampleOffset,
                                                 Vst::ParamValue& value)
{
    if (index < 0 || index >= getPointCount())
        return kInvalidArgument;
    sampleOffset = points_[static_cast<size_t>(index)].offset;
    value = points_[static_cast<size_t>(index)].value;
    return kResultOk;
}

// Points stay sorted by offset; a point at an offset already present replaces
// that point's value, as hosts deliver at most one value per sample.
tresult PLUGIN_API ParameterValueQueue::addPoint(int32 sampleOffset, Vst::ParamValue value,
                                                 int32& index)
{
    size_t at = points_.size();
    while (at > 0 && points_[at - 1].offset > sampleOffset)
        --at;
    if (at > 0 && points_[at - 1].offset == sampleOffset)
    {
        points_[at - 1].value = value;
        index = static_cast<int32>(at - 1);
        return kResultOk;
    }
    if (points_.size() == points_.capacity())
        return kResultFalse;
    points_.insert(points_.begin() + static_cast<std::ptrdiff_t>(at), Point{sampleOffset, value});
    index = static_cast<int32>(at);
    return kResultOk;
}

tresult PLUGIN_API ParameterValueQueue::queryInterface(const TUID iid, void** obj)
{
    QUERY_INTERFACE(iid, obj, FUnknown::iid, Vst::IParamValueQueue)
    QUERY_INTERFACE(iid, obj, Vst::IParamValueQueue::iid, Vst::IParamValueQueue)
    *obj = nullptr;
    return kNoInterface;
}

} // namespace vst3host
