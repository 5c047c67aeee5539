#include "parameter_changes.h"

namespace vst3host
{

using namespace Steinberg;

ParameterChanges::ParameterChanges(int32 maxParameters, int32 maxPoints)
{
    queues_.reserve(static_cast<size_t>(maxParameters > 0 ? maxParameters : 0));
    for (int32 i = 0; i < maxParameters; ++i)
        queues_.emplace_back(maxPoints);
}

bool ParameterChanges::addPoint(Vst::ParamID id, int32 sampleOffset, Vst::ParamValue value)
{
    int32 index = 0;
    Vst::IParamValueQueue* queue = addParameterData(id, index);
    return queue && queue->addPoint(sampleOffset, value, index) == kResultOk;
}

ParameterValueQueue* ParameterChanges::find(Vst::ParamID id)
{
    for (int32 i = 0; i < used_; ++i)
    {
        if (queues_[static_cast<size_t>(i)].getParameterId() == id)
            return &queues_[static_cast<size_t>(i)];
    }
    return nullptr;
}

Vst::IParamValueQueue* PLUGIN_API ParameterChanges::getParameterData(int32 index)
{
    if (index < 0 || index >= used_)
        return nullptr;
    return &queues_[static_cast<size_t>(index)];
}

Vst::IParamValueQueue* PLUGIN_API ParameterChanges::addParameterData(const Vst::ParamID& id,
                                                                     int32& index)
{
    if (ParameterValueQueue* queue = find(id))
    {
        index = static_cast<int32>(queue - queues_.data());
        return queue;
    }
    if (used_ >= static_cast<int32>(queues_.size()))
        return nullptr;
    index = used_++;
    ParameterValueQueue& queue = queues_[static_cast<size_t>(index)];
    queue.reset(id);
    return &queue;
}

tresult PLUGIN_API ParameterChanges::queryInterface(const TUID iid, void** obj)
{
    QUERY_INTERFACE(iid, obj, FUnknown::iid, Vst::IParameterChanges)
    QUERY_INTERFACE(iid, obj, Vst::IParameterChanges::iid, Vst::IParameterChanges)
    *obj = nullptr;
    return kNoInterface;
}

} // namespace vst3host
